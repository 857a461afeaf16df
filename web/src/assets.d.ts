// Files the build inlines into the page: the catalogues as bytes, the guide as text.
declare module '*.ini' {
  const bytes: Uint8Array;
  export default bytes;
}
declare module '*.html' {
  const text: string;
  export default text;
}
declare module '*/tessilar_core.mjs' {
  /** Instantiates the compiled core (its WebAssembly inlined). */
  const createTessilarCore: (options?: Record<string, unknown>) => Promise<unknown>;
  export default createTessilarCore;
}
