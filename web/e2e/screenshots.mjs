// Screenshots of the page for the documentation: droplets in view, the supply on at 500 V and the
// stopwatch running, as FOLDER/web-LANGUAGE-WxH.png: Hungarian and English at 1366x768 and
// 1024x768 into docs/, unless languages are named (each at 1366x768).
//   node web/e2e/screenshots.mjs [FOLDER [LANGUAGE...]]    (default: docs/ of the repository)
//   node web/e2e/screenshots.mjs docs/languages de fr es
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import { launchChromium, repositoryRoot } from './browser.mjs';
import { bestScreenshot } from './screen.mjs';
import { fixedCaption, press, startExperiment, text, typeInto } from './session.mjs';

const [folderArgument, ...named] = process.argv.slice(2);
const folder = path.resolve(folderArgument ?? path.join(repositoryRoot, 'docs'));
const identifiers = {
  hu: 'Kovács Anna, 11.B', en: 'Anna Smith, 11B', de: 'Jonas Müller, 11b',
  fr: 'Chloé Lefèvre, 1re S', es: 'Lucía Peña, 1º Bach.',
};
const languages = named.length > 0 ? named : ['hu', 'en'];
const sizes = named.length > 0 ? [{ width: 1366, height: 768 }] : [{ width: 1366, height: 768 }, { width: 1024, height: 768 }];
for (const language of languages) {
  if (!(language in identifiers)) throw new Error(`no language ${language}: hu, en, de, fr or es`);
}

const browser = await launchChromium();
try {
  for (const language of languages) {
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
      if (best.count <= 0) throw new Error(`no droplet in view (${language})`);
      const file = path.join(folder, `web-${language}-${width}x${height}.png`);
      writeFileSync(file, best.png);
      console.log(`${file}: ${best.count} droplet markers in view`);
      await session.context.close();
    }
  }
} finally {
  await browser.close();
}
