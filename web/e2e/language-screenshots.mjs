// Screenshots of the page in German, French and Spanish for docs/languages/: droplets in view, the
// supply on at 500 V and the stopwatch running, at 1366x768, as web-LANGUAGE-1366x768.png.
//   node web/e2e/language-screenshots.mjs [FOLDER]    (default: docs/languages/ of the repository)
import { writeFileSync } from 'node:fs';
import path from 'node:path';
import { launchChromium, repositoryRoot } from './browser.mjs';
import { bestScreenshot } from './screen.mjs';
import { fixedCaption, press, startExperiment, text, typeInto } from './session.mjs';

const folder = path.resolve(process.argv[2] ?? path.join(repositoryRoot, 'docs', 'languages'));
const identifiers = { de: 'Jonas Müller, 11b', fr: 'Chloé Lefèvre, 1re S', es: 'Lucía Peña, 1º Bach.' };
const [width, height] = [1366, 768];

const browser = await launchChromium();
try {
  for (const [language, identifier] of Object.entries(identifiers)) {
    const session = await startExperiment(browser, { language, width, height, identifier });
    const { page } = session;
    await press(session, fixedCaption.start);
    await typeInto(session, text.voltage, '500');
    await press(session, text.onOff);
    await press(session, text.inject);
    // The spray drifts through the field at first: the picture kept has the most droplets.
    const best = await bestScreenshot(page, 4000);
    if (best.count <= 0) throw new Error(`no droplet in view (${language})`);
    const file = path.join(folder, `web-${language}-${width}x${height}.png`);
    writeFileSync(file, best.png);
    console.log(`${file}: ${best.count} droplet markers in view`);
    await session.context.close();
  }
} finally {
  await browser.close();
}
