// Recording, the notebook and the ionising source as buttons on the bench, in a row under the
// right-hand panels, so that measuring needs no keyboard: a tablet has no F keys, and a browser
// may keep one of them for itself. The stopwatch's own buttons already start and stop it.

import type { ControlDesign } from '../design';
import type { MeasuringCommand } from '../pointing';

export interface MeasuringButton {
  /** The control's name in the window's control set. */
  name: string;
  command: MeasuringCommand;
  /** The catalogue text of its caption; a marked letter is dropped (the menu owns those). */
  text: number;
  /** The function key that does the same, for assistive technology. */
  key: string;
}

/** Left to right. */
export const MeasuringButtons: readonly MeasuringButton[] = [
  { name: 'MeasureRecord', command: 'record', text: 625, key: 'F8' },
  { name: 'MeasureNotebook', command: 'notebook', text: 21, key: 'F7' },
  { name: 'MeasureIonise', command: 'ionise', text: 22, key: 'F9' },
];

/** Design pixels between the panels and the row, and between two buttons. */
const Gap = 4;
const Spacing = 6;
/** The desktop's button height. */
const ButtonHeight = 25;

/**
 * The row's button designs: from `first`'s left edge to `last`'s right edge, under the lower of
 * the two, styled as `like`. Throws when the row would not fit above `clientHeight`, so that a
 * change of the window's design cannot hide it.
 */
export function measuringButtonDesigns(first: ControlDesign, last: ControlDesign, like: ControlDesign, clientHeight: number): ControlDesign[] {
  const top = Math.max(first.top + first.height, last.top + last.height) + Gap;
  if (top + ButtonHeight > clientHeight) {
    throw new Error(`the measuring buttons end at ${top + ButtonHeight}, below the window (${clientHeight})`);
  }
  const count = MeasuringButtons.length;
  const span = last.left + last.width - first.left;
  const width = Math.floor((span - (count - 1) * Spacing) / count);
  return MeasuringButtons.map((button, i) => ({
    ...like,
    name: button.name,
    parent: '',
    left: first.left + i * (width + Spacing),
    top,
    width,
    height: ButtonHeight,
    text: '',
  }));
}
