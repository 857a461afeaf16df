// One student's session in the page: open it, answer the identity prompt, find the controls by
// their accessible names (the catalogue's captions), as a screen reader user would.
import assert from 'node:assert/strict';
import { openPage, waitInPage } from './browser.mjs';
import { caption } from './catalogue.mjs';

/// The catalogue numbers of the texts the tests look for.
export const text = {
  ok: 1, end: 5, help: 4, inject: 11, reverse: 12, onOff: 13, voltage: 14, stopwatch: 15,
  temperature: 16, description: 17, language: 18, title: 200, promptLabel: 257, about: 401,
  microscope: 600, voltmeter: 602, thermometer: 603, noDropletInView: 659, oneDropletInView: 660,
  dropletsInView: 661,
};

/// A puppeteer selector for the control with the given accessible name (and role, if given).
export function named(name, role) {
  const quoted = JSON.stringify(name);
  return role ? `::-p-aria([name=${quoted}][role="${role}"])` : `::-p-aria(${quoted})`;
}

/// Waits for the control named so (with any of the given roles) to be in the page.
export async function control(page, name, roles = [undefined]) {
  const selectors = roles.map((role) => named(name, role));
  const deadline = Date.now() + 30_000;
  for (;;) {
    for (const selector of selectors) {
      const handle = await page.$(selector);
      if (handle) return handle;
    }
    if (Date.now() > deadline) throw new Error(`no control named ${JSON.stringify(name)}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

const clickableRoles = ['button', 'menuitem', 'menuitemradio', 'radio', 'option', undefined];

/// The stopwatch's buttons carry the same fixed captions in every language.
export const fixedCaption = { start: 'Start/Reset', stop: 'Stop' };

/// Clicks the control named by the catalogue text `number` in `language`, or by a fixed caption.
export async function press(session, number, language = session.language) {
  const name = typeof number === 'string' ? number : caption(language, number);
  const handle = await control(session.page, name, clickableRoles);
  await handle.click();
}

/// Replaces a field's text by typing, key by key, as a student does.
export async function typeInto(session, number, value) {
  const field = await control(session.page, caption(session.language, number),
    ['spinbutton', 'textbox']);
  await field.click({ count: 3 });
  await session.page.keyboard.press('End');
  await session.page.keyboard.down('Shift');
  await session.page.keyboard.press('Home');
  await session.page.keyboard.up('Shift');
  await field.type(value);
  return field;
}

/// The page opened in `language` ('hu' without a query, as the default), the identity prompt
/// answered with `identifier`; resolves once the window title carries the identifier.
/// `atPrompt(session)` runs while the prompt waits for the identifier.
export async function startExperiment(browser, { language = 'en', query, identifier = 'Teszt Elek',
  width, height, touch, atPrompt, file } = {}) {
  const session = await openPage(browser, {
    width, height, touch, file, query: query ?? (language === 'hu' ? '' : `?lang=${language}`),
  });
  session.language = language;
  const field = await control(session.page, caption(language, text.promptLabel), ['textbox', undefined]);
  await atPrompt?.(session);
  await field.type(identifier);
  session.promptField = await field.evaluate((el) => ({ type: el.type, value: el.value }));
  await session.page.keyboard.press('Enter');
  // document.title reads the title element's text with its runs of blanks collapsed.
  const title = `${caption(language, text.title)}   /   ${identifier}`.replace(/\s+/g, ' ').trim();
  await waitInPage(session.page, `the title ${JSON.stringify(title)}`,
    (expected) => document.title === expected, title);
  return session;
}

/// The page asked for nothing over the network and raised no script error.
export function assertSelfContained(session) {
  assert.deepEqual(session.refused, [], 'the page tried to reach the network');
  assert.deepEqual(session.errors, [], 'the page raised script errors');
}

/// The bounding box of a control in CSS pixels.
export async function boxOf(session, number, roles) {
  const handle = await control(session.page, caption(session.language, number), roles);
  const box = await handle.boundingBox();
  assert.ok(box, `text ${number}'s control is not displayed`);
  return box;
}

/// How many droplets the microscope's text alternative says are in view, in the words the
/// catalogue has for none, one and more.
export async function dropletsInView(session) {
  const words = (number) => caption(session.language, number).replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
  const said = await session.page.evaluate(() => [document.body.textContent,
    ...[...document.querySelectorAll('[aria-label], [aria-description]')]
      .flatMap((el) => [el.getAttribute('aria-label'), el.getAttribute('aria-description')])]
    .join('\n'));
  const many = new RegExp(words(text.dropletsInView).replace('%1', '(\\d+)')).exec(said);
  if (many) return Number(many[1]);
  if (new RegExp(words(text.oneDropletInView)).test(said)) return 1;
  if (new RegExp(words(text.noDropletInView)).test(said)) return 0;
  return undefined;
}
