// The desktop's colours that the page draws itself (the designs bring their own).

export const Palette = {
  /** Droplet markers: pure yellow, unblended at their centres. */
  marker: 'rgb(255, 255, 0)',
  /** The followed droplet's marker and ring. */
  followed: 'rgb(255, 0, 0)',
  /** The supply's lamp while on and off. */
  lampOn: '#00ff00',
  lampOff: '#008080',
} as const;
