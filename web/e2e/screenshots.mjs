// Screenshots of the page for the documentation: droplets in view, the supply on at 500 V and the
// stopwatch running, at 1366x768 and 1024x768, in both languages, as docs/web-LANGUAGE-WxH.png.
//   node web/e2e/screenshots.mjs [FOLDER]    (default: docs/ of the repository)
import path from 'node:path';
import { launchChromium, repositoryRoot, waitInPage } from './browser.mjs';
import { colours, pixelsOfColour, viewportPixels } from './screen.mjs';
import { fixedCaption, press, startExperiment, text, typeInto } from './session.mjs';

const folder = path.resolve(process.argv[2] ?? path.join(repositoryRoot, 'docs'));
const sizes = [{ width: 1366, height: 768 }, { width: 1024, height: 768 }];
const identifiers = { hu: 'Kovács Anna, 11.B', en: 'Anna Smith, 11B' };

const browser = await launchChromium();
try {
  for (const language of ['hu', 'en']) {
    for (const { width, height } of sizes) {
      const session = await startExperiment(browser, {
        language, width, height, identifier: identifiers[language],
      });
      const { page } = session;
      await press(session, text.inject);
      await typeInto(session, text.voltage, '500');
      await press(session, text.onOff);
      await press(session, fixedCaption.start);
      // A second of the run: the droplets settle from the spray and the stopwatch shows time.
      await waitInPage(page, 'a second of the run', () => new Promise((resolve) => {
        const begin = performance.now();
        const look = () => (performance.now() - begin > 1500 ? resolve(true) : requestAnimationFrame(look));
        requestAnimationFrame(look);
      }));
      const shown = pixelsOfColour(await viewportPixels(page), colours.markerYellow).length;
      if (shown === 0) throw new Error('no droplet in view');
      const file = path.join(folder, `web-${language}-${width}x${height}.png`);
      await page.screenshot({ path: file, type: 'png' });
      console.log(file);
      await session.context.close();
    }
  }
} finally {
  await browser.close();
}
