// Screenshots of the page for the documentation: droplets in view, the supply on at 500 V and the
// stopwatch running, at 1366x768 and 1024x768, in both languages, as docs/web-LANGUAGE-WxH.png.
//   node web/e2e/screenshots.mjs [FOLDER]    (default: docs/ of the repository)
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import { launchChromium, repositoryRoot } from './browser.mjs';
import { bestScreenshot } from './screen.mjs';
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
      await press(session, fixedCaption.start);
      await typeInto(session, text.voltage, '500');
      await press(session, text.onOff);
      await press(session, text.inject);
      // Over the first seconds of the run the spray drifts through the field: the picture kept
      // is the one with the most droplets in view.
      const best = await bestScreenshot(page, 4000);
      if (best.count <= 0) throw new Error('no droplet in view');
      const file = path.join(folder, `web-${language}-${width}x${height}.png`);
      writeFileSync(file, best.png);
      console.log(`${file}: ${best.count} droplet markers in view`);
      await session.context.close();
    }
  }
} finally {
  await browser.close();
}
