// The shapes of the JSON the core writes, as data: the page checks every text it reads from the
// core against its shape (a missing, extra or mistyped member fails loudly, with where), and the
// TypeScript types the page works with are worked out from the same shapes.

/** A member that may be left out (the marks are no member names of the core's JSON). */
export interface Optional<S extends Shape> {
  readonly '?optional': true;
  readonly inner: S;
}

/** A value that may be null. */
export interface Nullable<S extends Shape> {
  readonly '?nullable': true;
  readonly inner: S;
}

export type Shape =
  | 'string'
  | 'number'
  | 'boolean'
  | readonly [Shape]
  | Optional<Shape>
  | Nullable<Shape>
  | { readonly [member: string]: Shape };

export const optional = <S extends Shape>(inner: S): Optional<S> => ({ '?optional': true, inner });
export const nullable = <S extends Shape>(inner: S): Nullable<S> => ({ '?nullable': true, inner });

const isOptional = (shape: Shape): shape is Optional<Shape> => typeof shape === 'object' && '?optional' in shape;
const isNullable = (shape: Shape): shape is Nullable<Shape> => typeof shape === 'object' && '?nullable' in shape;

type Expand<T> = T extends object ? { [K in keyof T]: T[K] } : T;
type Required<S> = { -readonly [K in keyof S as S[K] extends Optional<Shape> ? never : K]: Infer<S[K]> };
type Left<S> = { -readonly [K in keyof S as S[K] extends Optional<Shape> ? K : never]?: S[K] extends Optional<infer I> ? Infer<I> : never };

/** The TypeScript type of values of a shape. */
export type Infer<S> = S extends 'string'
  ? string
  : S extends 'number'
    ? number
    : S extends 'boolean'
      ? boolean
      : S extends Nullable<infer I>
        ? Infer<I> | null
        : S extends readonly [infer E]
          ? Infer<E>[]
          : S extends Optional<Shape>
            ? never
            : Expand<Required<S> & Left<S>>;

/** Checks that `value` has the shape; throws with the path of the first member that has not. */
export function check(value: unknown, shape: Shape, where: string): void {
  const fail = (what: string): never => {
    throw new Error(`the core's ${where} ${what}`);
  };
  if (isNullable(shape)) {
    if (value !== null) check(value, shape.inner, where);
    return;
  }
  if (isOptional(shape)) return check(value, shape.inner, where);
  if (typeof shape === 'string') {
    if (typeof value !== shape) fail(`is ${JSON.stringify(value)}, not a ${shape}`);
    return;
  }
  if (Array.isArray(shape)) {
    if (!Array.isArray(value)) return fail('is not a list');
    value.forEach((item, i) => check(item, shape[0] as Shape, `${where}[${i}]`));
    return;
  }
  if (typeof value !== 'object' || value === null || Array.isArray(value)) return fail('is not an object');
  const members = shape as { readonly [member: string]: Shape };
  for (const key of Object.keys(value)) if (!(key in members)) fail(`has a member ${key} the page does not know`);
  for (const [key, inner] of Object.entries(members)) {
    const present = key in value;
    if (!present && !isOptional(inner)) fail(`has no member ${key}`);
    if (present) check((value as Record<string, unknown>)[key], inner, `${where}.${key}`);
  }
}

/** Parses the core's JSON text and checks it against the shape. */
export function readJson<S extends Shape>(text: string, shape: S, where: string): Infer<S> {
  const value: unknown = JSON.parse(text);
  check(value, shape, where);
  return value as Infer<S>;
}
