// The browser page's benchmark (figures with their goals; nothing here passes or fails):
//   - the time from opening the file to the identifier prompt being ready for typing
//   - with 100 droplets injected (again every second, so that the view stays full), the supply on at
//     500 V and the stopwatch running, in Chromium unthrottled and with the CPU slowed 4x (a
//     low-end Chromebook): frames per second, the main thread's script time per frame and the
//     longest main-thread task
//   - the same on a phone held upright (390 x 844 CSS pixels with touch): the compact layout, with
//     the stopwatch's tab in front
//   node web/bench/page-bench.mjs [SECONDS]   (measuring time per scene, default 10)
import { cpus, loadavg } from 'node:os';
import { launchChromium, openPage } from '../e2e/browser.mjs';
import { colours, spotsOfColour, viewportPixels } from '../e2e/screen.mjs';
import { fixedCaption, press, startExperiment, text, typeInto } from '../e2e/session.mjs';

const seconds = Number(process.argv[2] ?? 10);
const openings = 5;

const markersShown = (screen) => spotsOfColour(screen, colours.markerYellow);

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function report(what, value, unit, goal, met) {
  console.log(`${what.padEnd(48)} ${value.padStart(9)} ${unit.padEnd(6)} goal ${goal}${met ? '' : '   (missed)'}`);
}

/// Milliseconds from the start of navigation to the first moment a text field holds the focus:
/// the page is ready for the identifier.
async function promptReadyMs(browser) {
  const session = await openPage(browser, { query: '?lang=en', beforeLoad: async (page) => {
    await page.evaluateOnNewDocument(() => {
      const look = () => {
        const field = document.activeElement;
        if (field?.tagName === 'INPUT' && field.getClientRects().length > 0) {
          window.tessilarPromptReadyMs = performance.now();
        } else {
          requestAnimationFrame(look);
        }
      };
      requestAnimationFrame(look);
    });
  } });
  const handle = await session.page.waitForFunction(() => window.tessilarPromptReadyMs,
    { timeout: 30_000, polling: 50 });
  const ms = await handle.jsonValue();
  await session.context.close();
  return ms;
}

/// One scene measured for `seconds`: frames, script time from the DevTools performance metrics,
/// and the longest main-thread task from a trace.
async function measureScene(page, client, rate, injectButton) {
  await client.send('Emulation.setCPUThrottlingRate', { rate });
  const metric = async () => Object.fromEntries(
    (await client.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  await page.tracing.start({
    categories: ['devtools.timeline', 'disabled-by-default-devtools.timeline', 'toplevel'],
  });
  const before = await metric();
  // The spray drifts out of the field in a few seconds: a fresh one every second keeps it full.
  const frames = await page.evaluate((s, inject) => new Promise((resolve) => {
    let count = -1;
    let begin = 0;
    let sprayed = 0;
    const frame = (now) => {
      if (count < 0) begin = sprayed = now;
      count += 1;
      if (now - sprayed > 1000) {
        sprayed = now;
        inject.click();
      }
      if (now - begin < s * 1000) requestAnimationFrame(frame); else resolve({ count, ms: now - begin });
    };
    requestAnimationFrame(frame);
  }), seconds, injectButton);
  const after = await metric();
  const trace = JSON.parse(Buffer.from(await page.tracing.stop()).toString('utf8'));
  await client.send('Emulation.setCPUThrottlingRate', { rate: 1 });

  // The page's main thread: the renderer thread that ran its animation frames.
  const events = trace.traceEvents ?? trace;
  const frameCounts = new Map();
  for (const e of events) {
    if (e.name === 'FireAnimationFrame') {
      const key = `${e.pid}/${e.tid}`;
      frameCounts.set(key, (frameCounts.get(key) ?? 0) + 1);
    }
  }
  const [mainThread] = [...frameCounts].sort((a, b) => b[1] - a[1])[0] ?? [];
  const onMain = (e) => `${e.pid}/${e.tid}` === mainThread;
  // Only the tasks between the first and the last frame: not the trace's own start and stop.
  const frameTimes = events.filter((e) => e.name === 'FireAnimationFrame' && onMain(e)).map((e) => e.ts);
  const [first, last] = [Math.min(...frameTimes), Math.max(...frameTimes)];
  const longestTask = events
    .filter((e) => e.name === 'RunTask' && e.ph === 'X' && onMain(e) && e.ts > first && e.ts < last)
    .reduce((max, e) => ((e.dur ?? 0) > (max?.dur ?? 0) ? e : max), null);
  // What the longest task spent most of its time on (script, layout, the compositor's commit...).
  const within = longestTask ? events.filter((e) => e.ph === 'X' && onMain(e) && e !== longestTask
    && e.name !== 'ThreadControllerImpl::RunTask' && e.ts >= longestTask.ts
    && e.ts + (e.dur ?? 0) <= longestTask.ts + longestTask.dur) : [];
  const heaviest = within.reduce((max, e) => ((e.dur ?? 0) > (max?.dur ?? 0) ? e : max), null);
  return {
    fps: frames.count / (frames.ms / 1000),
    scriptMsPerFrame: ((after.ScriptDuration - before.ScriptDuration) * 1000) / frames.count,
    taskMsPerFrame: ((after.TaskDuration - before.TaskDuration) * 1000) / frames.count,
    longestTaskMs: (longestTask?.dur ?? 0) / 1000,
    longestTaskMostly: heaviest ? `${heaviest.name} ${(heaviest.dur / 1000).toFixed(1)} ms` : '',
  };
}

const browser = await launchChromium();
try {
  // Figures from a loaded machine run high: the load is printed beside them.
  console.log(`chromium ${await browser.version()}, ${seconds} s per scene, load average `
    + `${loadavg().map((l) => l.toFixed(2)).join(' ')} on ${cpus().length} cores`);
  const ready = [];
  for (let i = 0; i < openings; i++) ready.push(await promptReadyMs(browser));
  report(`file opened to identifier prompt ready (median of ${openings})`,
    median(ready).toFixed(0), 'ms', '< 1000 ms', median(ready) < 1000);

  const screens = [
    { width: 1366, height: 768, touch: false, name: 'the window at 1366 x 768' },
    { width: 390, height: 844, touch: true, name: 'a phone held upright, 390 x 844, the compact layout' },
  ];
  for (const { width, height, touch, name } of screens) {
    const session = await startExperiment(browser, { language: 'en', width, height, touch });
    const { page } = session;
    // On a phone the controls stand on tabs: each one's tab first.
    const onTab = async (tab) => {
      if (touch) await page.click(`#tab-${tab}`);
    };
    await press(session, text.inject);
    await onTab('voltage');
    await typeInto(session, text.voltage, '500');
    await press(session, text.onOff);
    await onTab('stopwatch');
    await press(session, fixedCaption.start);
    const injectButton = await page.$('#main-BitBtn1');
    const client = await page.createCDPSession();
    await client.send('Performance.enable');
    console.log(`scene: ${name}; 100 droplets injected, the supply on at 500 V, the stopwatch running`);
    for (const rate of [1, 4]) {
      await injectButton.evaluate((button) => button.click());
      await page.waitForFunction(() => new Promise((resolve) => setTimeout(() => resolve(true), 500)));
      const inViewAtStart = markersShown(await viewportPixels(page));
      const figures = await measureScene(page, client, rate, injectButton);
      const cpu = rate === 1 ? 'CPU unthrottled' : `CPU slowed ${rate}x`;
      console.log(`-- ${cpu}: ${inViewAtStart} droplet markers in view at the start, `
        + `${markersShown(await viewportPixels(page))} at the end`);
      report(`frames per second, ${cpu}`, figures.fps.toFixed(1), 'fps', '60 at 4x', rate !== 4 || figures.fps >= 59);
      report(`script time per frame, ${cpu}`, figures.scriptMsPerFrame.toFixed(3), 'ms',
        '< 1 ms unthrottled', rate !== 1 || figures.scriptMsPerFrame < 1);
      report(`main-thread task time per frame, ${cpu}`, figures.taskMsPerFrame.toFixed(3), 'ms', '(for reference)', true);
      report(`longest main-thread task, ${cpu}`, figures.longestTaskMs.toFixed(1), 'ms', '<= 50 ms',
        figures.longestTaskMs <= 50);
      console.log(`${''.padEnd(8)}(its longest part: ${figures.longestTaskMostly || 'none'})`);
    }
    await session.context.close();
  }
} finally {
  await browser.close();
}
