// A dialog of the page's own (the guide, the notebook, a message): a <dialog> with a caption bar
// whose heading names it, added to the page.

export interface PageDialog {
  dialog: HTMLDialogElement;
  bar: HTMLDivElement;
  caption: HTMLHeadingElement;
}

export function pageDialog(id: string, className: string): PageDialog {
  const dialog = document.createElement('dialog');
  dialog.className = className;
  dialog.id = id;
  const bar = document.createElement('div');
  bar.className = 'guide-bar';
  const caption = document.createElement('h2');
  caption.id = `${id}-caption`;
  caption.className = 'guide-caption';
  dialog.setAttribute('aria-labelledby', caption.id);
  bar.append(caption);
  document.body.append(dialog);
  return { dialog, bar, caption };
}

/** A button of such a dialog's bar or tools. */
export function dialogButton(action: () => void): HTMLButtonElement {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = 'button guide-close';
  button.addEventListener('click', action);
  return button;
}
