// The bench buttons of the commands that have one (recording, the notebook, the ionising source),
// in a row under the right-hand panels, so that measuring needs no keyboard: a tablet has no F
// keys, and a browser may keep one of them for itself. The stopwatch's own buttons already start
// and stop it.

import type { ControlDesign, MainDesign } from '../coreShapes';

/** Design pixels between the panels and the row, and between two buttons. */
const Gap = 4;
const Spacing = 6;
/** The desktop's button height. */
const ButtonHeight = 25;

/**
 * The row's button designs, one per bench button of the design: from `first`'s left edge to
 * `last`'s right edge, under the lower of the two, styled as `like`, captioned without a marked
 * letter (the menu owns those). Throws when the row would not fit above `clientHeight`, so that a
 * change of the window's design cannot hide it.
 */
export function benchButtonDesigns(design: MainDesign, first: ControlDesign, last: ControlDesign, like: ControlDesign, clientHeight: number): ControlDesign[] {
  const top = Math.max(first.top + first.height, last.top + last.height) + Gap;
  if (top + ButtonHeight > clientHeight) {
    throw new Error(`the measuring buttons end at ${top + ButtonHeight}, below the window (${clientHeight})`);
  }
  const count = design.bench.length;
  const span = last.left + last.width - first.left;
  const width = Math.floor((span - (count - 1) * Spacing) / count);
  return design.bench.map((button, i) => ({
    ...like,
    name: button.name,
    parent: '',
    left: first.left + i * (width + Spacing),
    top,
    width,
    height: ButtonHeight,
    text: '',
    caption: button.caption,
    keylessCaption: true,
  }));
}
