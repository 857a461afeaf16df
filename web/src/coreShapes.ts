// The JSON the core writes (web/core/api), member by member: the designs, the voltmeter's
// drawing, the notebook's table and the layouts of the histogram and the extrapolation plot.

import { nullable, optional, type Infer } from './shapes';

export const ControlShape = {
  name: 'string',
  kind: 'string',
  parent: 'string',
  left: 'number',
  top: 'number',
  width: 'number',
  height: 'number',
  text: 'string',
  color: nullable('string'),
  fontColor: nullable('string'),
  fontFamily: 'string',
  fontPixels: 'number',
  bold: 'boolean',
  italic: 'boolean',
  min: 'number',
  max: 'number',
  position: 'number',
  increment: 'number',
  associate: 'string',
  circle: 'boolean',
  penColor: nullable('string'),
  flat: 'boolean',
  caption: 'number',
  keylessCaption: 'boolean',
  hidden: 'boolean',
  readOnly: 'boolean',
} as const;

const WindowMembers = {
  width: 'number',
  height: 'number',
  color: 'string',
  title: 'string',
  titleCaption: 'number',
  fontFamily: 'string',
  fontPixels: 'number',
  controls: [ControlShape],
  order: ['string'],
} as const;

export const DesignsShape = {
  main: {
    ...WindowMembers,
    commands: [{ name: 'string', key: 'string', caption: 'number', checkable: 'boolean' }],
    barCommand: 'string',
    menus: [{ id: 'string', caption: 'number', entries: ['string'] }],
    bench: [{ name: 'string', command: 'string', caption: 'number' }],
    palette: {
      marker: 'string',
      followed: 'string',
      lampOn: 'string',
      lampOff: 'string',
      bars: 'string',
      multiples: 'string',
      histogramGround: 'string',
      ink: 'string',
      plotPoints: 'string',
      fittedLine: 'string',
    },
    microscope: { markerSize: 'number', ringMargin: 'number', ringWidth: 'number', clickReach: 'number', tapReach: 'number', nanometresPerPixel: 'number' },
    compact: {
      microscope: 'string',
      wideViewport: 'number',
      highViewport: 'number',
      targetSize: 'number',
      smallestText: 'number',
      barHeight: 'number',
      tabStripHeight: 'number',
      pageMargin: 'number',
      leastPageHeight: 'number',
      roomyPageHeight: 'number',
      leastPageWidth: 'number',
      roomyPageWidth: 'number',
      phoneWidth: 'number',
      largestScalePercent: 'number',
      largestZoom: 'number',
      tabs: [{
        id: 'string',
        caption: 'number',
        width: 'number',
        height: 'number',
        places: [{ name: 'string', left: 'number', top: 'number', width: 'number', height: 'number' }],
      }],
    },
  },
  prompt: WindowMembers,
  about: WindowMembers,
  teacher: WindowMembers,
  language: { ...WindowMembers, left: 'number', top: 'number' },
} as const;

export const DialShape = {
  width: 'number',
  height: 'number',
  ink: 'string',
  figurePixels: 'number',
  strokes: [{ kind: 'string', points: ['number'], color: 'string', text: 'string' }],
} as const;

export const NotebookTableShape = {
  columns: ['string'],
  rows: [{ label: 'string', cells: ['string'] }],
  estimate: optional('string'),
  extrapolated: optional('string'),
  progress: optional('string'),
} as const;

export const LessonSettingsShape = {
  lang: nullable('string'),
  calculations: nullable('boolean'),
  brownian: nullable('boolean'),
  realAir: nullable('boolean'),
  classCode: nullable('string'),
  droplets: nullable('number'),
  query: 'string',
  ignored: ['string'],
} as const;

export const LessonProgressShape = {
  asked: 'number',
  timed: 'number',
  score: 'number',
  completed: 'boolean',
  sentence: 'string',
  charges: ['string'],
  estimate: nullable('string'),
} as const;

const LabelShape = { box: ['number'], text: 'string' } as const;

export const HistogramShape = {
  drawn: 'boolean',
  plot: ['number'],
  bars: [['number']],
  lines: ['number'],
  ticks: ['number'],
  tickLength: 'number',
  chargeLabels: [LabelShape],
  countLabels: [LabelShape],
  axisTitle: ['number'],
  axisTitleText: 'string',
} as const;

export const ExtrapolationShape = {
  drawn: 'boolean',
  plot: ['number'],
  points: [['number']],
  pointSize: 'number',
  lineFrom: ['number'],
  lineTo: ['number'],
  ticksX: ['number'],
  ticksY: ['number'],
  tickLength: 'number',
  labelsX: [LabelShape],
  labelsY: [LabelShape],
  titleX: ['number'],
  titleY: ['number'],
  titleXText: 'string',
  titleYText: 'string',
  name: 'string',
  sentence: 'string',
} as const;

export type ControlDesign = Infer<typeof ControlShape>;
export type Designs = Infer<typeof DesignsShape>;
export type MainDesign = Designs['main'];
export type WindowDesign = Designs['prompt'];
export type CommandDesign = MainDesign['commands'][number];
export type Palette = MainDesign['palette'];
export type MicroscopeDesign = MainDesign['microscope'];
export type CompactDesign = MainDesign['compact'];
export type CompactTab = CompactDesign['tabs'][number];
export type DialDrawing = Infer<typeof DialShape>;
export type NotebookTable = Infer<typeof NotebookTableShape>;
export type HistogramLayout = Infer<typeof HistogramShape>;
export type ExtrapolationLayout = Infer<typeof ExtrapolationShape>;
export type LessonSettings = Infer<typeof LessonSettingsShape>;
export type LessonProgress = Infer<typeof LessonProgressShape>;
