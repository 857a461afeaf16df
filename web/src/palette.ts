// The desktop's colours that the page draws itself (the designs bring their own).

export const Palette = {
  /** Droplet markers: pure yellow, unblended at their centres. */
  marker: 'rgb(255, 255, 0)',
  markerSelected: 'rgb(255, 0, 0)',
  /** The supply's lamp while on and off. */
  lampOn: '#00ff00',
  lampOff: '#008080',
  /** The thermometer's liquid. */
  column: '#0000ff',
  /** The desktop behind the windows. */
  desktop: '#3a6ea5',
  captionActive: '#000080',
  captionText: '#ffffff',
  menuBar: '#efefef',
} as const;
