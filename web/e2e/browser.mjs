// Debian's Chromium, headless, driven by puppeteer-core, for the end-to-end tests, the benchmark
// and the screenshots. The page is opened from disk and may not reach the network: every request
// that is not file:, data: or blob: is aborted and remembered, so that a test can show that none
// was even attempted.
import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const repositoryRoot = path.resolve(here, '../..');

/// The built page: TESSILAR_WEB_PAGE, or build-web/tessilar.html in the repository.
export const pagePath = path.resolve(
  process.env.TESSILAR_WEB_PAGE ?? path.join(repositoryRoot, 'build-web/tessilar.html'));

export const chromiumPath = process.env.TESSILAR_CHROMIUM ?? '/usr/bin/chromium';

const launchFlags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  // A page behind other windows must keep its pace: no throttling of timers or frames.
  '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
  '--disable-backgrounding-occluded-windows',
];

/// Starts Chromium with a fresh profile folder of its own, removed again by close().
export async function launchChromium() {
  if (!existsSync(pagePath)) {
    throw new Error(`no page at ${pagePath}: build it with scripts/web.sh`);
  }
  const profile = mkdtempSync(path.join(tmpdir(), 'tessilar-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    // puppeteer's own defaults (its extensions switches, its automation flags) are left out:
    // the flags above are the whole command line besides the profile and the debugging pipe.
    ignoreDefaultArgs: true,
    args: [...launchFlags, `--user-data-dir=${profile}`, '--remote-debugging-pipe', 'about:blank'],
    pipe: true,
    protocolTimeout: 120_000,
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

const allowedSchemes = new Set(['file:', 'data:', 'blob:']);

/// A new page in a context of its own (no storage shared with other pages) at the given size (a
/// touch screen if `touch`), with
/// every network request refused. `refused` lists the addresses of the requests aborted;
/// `beforeLoad(page)` runs before the page is opened; `file` is another copy of the page.
export async function openPage(browser, {
  width = 1366, height = 768, touch = false, query = '', beforeLoad, file = pagePath,
} = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width, height, hasTouch: touch });
  const refused = [];
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    if (request.isInterceptResolutionHandled()) return;
    const url = request.url();
    if (allowedSchemes.has(new URL(url).protocol)) {
      request.continue();
    } else {
      refused.push(url);
      request.abort('blockedbyclient');
    }
  });
  // A second witness besides the interception: every request and WebSocket the page's network
  // layer saw (interception does not cover WebSockets).
  const client = await page.createCDPSession();
  await client.send('Network.enable');
  const attempted = (url) => {
    if (!allowedSchemes.has(new URL(url).protocol) && !refused.includes(url)) refused.push(url);
  };
  client.on('Network.requestWillBeSent', ({ request }) => attempted(request.url));
  client.on('Network.webSocketCreated', ({ url }) => attempted(url));
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await beforeLoad?.(page);
  const started = Date.now();
  await page.goto(pageUrl(query, file), { waitUntil: 'load' });
  return { page, context, refused, errors, started };
}

export function pageUrl(query = '', file = pagePath) {
  return pathToFileURL(file).href + query;
}

/// Waits for a condition evaluated in the page, polling; the limit is generous so that a loaded
/// machine passes, and the message says what was awaited.
export async function waitInPage(page, what, fn, arg, timeout = 30_000) {
  try {
    return await page.waitForFunction(fn, { timeout, polling: 50 }, arg);
  } catch (error) {
    throw new Error(`waited ${timeout / 1000} s for ${what}: ${error.message}`);
  }
}
