// The page's start: the core with the catalogues in its program folder, the windows built from the
// core's designs, then the identity prompt. End comes back to the prompt, since a page cannot
// close its own tab.

import deutschCatalogue from '../../dist/Deutsch/Tessilar.ini';
import deutschGuide from '../../dist/Deutsch/TESSILAR.html';
import englishCatalogue from '../../dist/English/Tessilar.ini';
import espanolCatalogue from '../../dist/Español/Tessilar.ini';
import espanolGuide from '../../dist/Español/TESSILAR.html';
import francaisCatalogue from '../../dist/Français/Tessilar.ini';
import francaisGuide from '../../dist/Français/TESSILAR.html';
import magyarCatalogue from '../../dist/Magyar/Tessilar.ini';
import programCatalogue from '../../dist/Tessilar.ini';
import guideHtml from '../../dist/TESSILAR.html';
import createTessilarCore from '../../build-web/core/tessilar_core.mjs';
import { SimulationClock } from './clock';
import { Changed, Core, Text, type CoreModule } from './core';
import { showFailure, watchForFailures } from './failure';
import { mnemonicKeyOf } from './mnemonic';
import { LanguageFolders, languageOfCode, languageOfFolder, localeDecimalSeparator } from './params';
import { NotebookStorage } from './notebookStorage';
import { ScormSession } from './scorm';
import { decodeNotebook } from './suspendData';
import { CaptionHeight, Stage } from './stage';
import { AboutDialog } from './views/AboutDialog';
import { GuideDialog } from './views/GuideDialog';
import { IdentityPrompt } from './views/IdentityPrompt';
import { LanguageDialog } from './views/LanguageDialog';
import { MainWindow } from './views/MainWindow';
import { MessageDialog } from './views/MessageDialog';
import { NotebookDialog } from './views/NotebookDialog';
import { TeacherDialog } from './views/TeacherDialog';

/**
 * Starts the core. Its WebAssembly is inlined as a data: address; with fetch hidden while the
 * module sets itself up, it decodes those bytes itself instead of asking for the address, which
 * the page's policy refuses (the page asks for nothing at all).
 */
function createCore(): Promise<unknown> {
  const scope = globalThis as { fetch: typeof fetch | undefined };
  const saved = scope.fetch;
  scope.fetch = undefined;
  try {
    return createTessilarCore();
  } finally {
    scope.fetch = saved;
  }
}

async function start(): Promise<void> {
  // The page as it was opened, before anything is drawn into it: the teacher's copies of it start
  // from this.
  const openedPage = `<!DOCTYPE html>\n${document.documentElement.outerHTML}`;
  if (typeof WebAssembly !== 'object') throw new Error('WebAssembly is not available');
  const module = (await createCore()) as CoreModule;
  const core = new Core(module);
  const files: [string, Uint8Array][] = [
    ['Tessilar.ini', programCatalogue],
    ['Magyar/Tessilar.ini', magyarCatalogue],
    ['English/Tessilar.ini', englishCatalogue],
    ['Deutsch/Tessilar.ini', deutschCatalogue],
    ['Français/Tessilar.ini', francaisCatalogue],
    ['Español/Tessilar.ini', espanolCatalogue],
  ];
  for (const [path, bytes] of files) {
    if (!core.putFile(path, bytes)) throw new Error(`the catalogue ${path} could not be stored`);
  }
  core.start(localeDecimalSeparator(navigator.languages));
  // The teacher's settings: those inside this page, the address's over them.
  const parameters = core.lessonSettings(document.getElementById('tessilar-settings')?.textContent ?? '', location.search);
  core.chooseLanguage(LanguageFolders[languageOfCode(parameters.lang)]);
  // On a learning platform: its learner, its kept notebook, its report of the lesson.
  const scorm = ScormSession.connect(window);
  addEventListener('pagehide', () => scorm?.finish());

  const designs = core.designs();
  const dial = core.dial();
  const prompt = new IdentityPrompt(core, designs.prompt);
  const about = new AboutDialog(core, designs.about);
  const languageDialog = new LanguageDialog(core, designs.language);
  // Hungarian and English share one guide; the other languages have one of their own.
  const guide = new GuideDialog(core, { hu: guideHtml, en: guideHtml, de: deutschGuide, fr: francaisGuide, es: espanolGuide });
  const message = new MessageDialog(core);
  core.setCalculations(parameters.calculations ?? true);
  core.setAskedDroplets(parameters.droplets ?? 8);
  const teacher = new TeacherDialog(core, designs.teacher, openedPage);

  // Each identifier's notebook is kept in the browser after every change.
  const storage = new NotebookStorage(() => localStorage);
  let identifier = '';
  let storageFault = false;
  const keepNotebook = (): void => {
    const fault = storage.save(core.notebookCsv(), core.burstMarks());
    // Said once a session, not at every row.
    if (fault !== null && !storageFault) message.show(core.filledText(Text.StoredNotKept, [core.catalogueText(fault === 'full' ? Text.StorageFull : Text.StorageRefused)]));
    storageFault = fault !== null;
    keepOnPlatform();
  };
  // The platform's copy of the notebook: what it would not take is said once a session; the
  // notebook stays in this browser all the same.
  let platformFault = false;
  // False when the platform holds a text that could be neither read nor kept aside: nothing is
  // written over it.
  let platformWritable = true;
  const keepOnPlatform = (): void => {
    if (!scorm || !platformWritable) return;
    const fault = scorm.keep(core.notebookCsv(), core.burstMarks(), core.lessonProgress());
    if (fault !== null && !platformFault) {
      message.show(fault.kind === 'tooLarge' ? core.filledText(Text.ScormTooLarge, [String(fault.length)])
        : core.filledText(Text.ScormRefused, [fault.why]));
    }
    platformFault = fault !== null;
  };
  /** The notebook an earlier attempt (here or on another device) left on the platform, in place
   *  of this browser's unless that holds more rows (a commit the platform refused); one that
   *  cannot be read is kept aside in this browser, and said. Returns what changed. */
  const openPlatformNotebook = (): number => {
    const kept = scorm?.suspendData() ?? '';
    if (kept === '') return 0;
    const ours = { rows: core.notebookSize(), csv: core.notebookCsv(), marks: core.burstMarks() };
    const notebook = decodeNotebook(kept);
    // A text that is no notebook leaves this browser's in the core as it was.
    if (notebook === null || core.readCsv(notebook.csv) === 0) {
      const why = notebook === null ? core.catalogueText(Text.Unreadable) : core.notebookProblem();
      const aside = storage.keepAside(kept, Date.now());
      platformWritable = aside !== null;
      message.show(core.filledText(Text.ScormUnreadable, [why, aside ?? '–']));
      return 0;
    }
    if (core.notebookSize() < ours.rows) return core.readCsv(ours.csv) | core.markBursts(ours.marks);
    return core.markBursts(notebook.marks);
  };
  let clock: SimulationClock | null = null;
  const notebook = new NotebookDialog(core, designs.main.palette, {
    // What the window changed is drawn with the bench (a notebook opened from a file lets the
    // followed droplet go), and the notebook is kept.
    changed: (changes) => {
      if (clock) clock.changed(changes);
      else if (changes & Changed.Notebook) notebookChanged();
    },
    inform: (text) => message.show(text),
  });
  const notebookChanged = (): void => {
    keepNotebook();
    if (notebook.dialog.open) notebook.refresh();
  };
  /** Opens the identifier's stored notebook; returns what that changed, which needs no keeping. */
  const openNotebook = (): number => {
    let changes = core.clearNotebook();
    storageFault = false;
    const opened = storage.open(identifier, (csv) => (core.readCsv(csv) !== 0 ? null : core.notebookProblem()), Date.now());
    if (opened.kind === 'read') changes |= core.markBursts(opened.marks);
    if (opened.kind === 'setAside') {
      message.show(core.filledText(Text.StoredSetAside, [identifier, opened.problem, opened.aside]));
      // The new notebook takes the key at once, so that the damaged text is set aside only once.
      keepNotebook();
    }
    if (opened.kind === 'untouched') message.show(core.filledText(Text.StoredLeftAlone, [identifier, opened.problem]));
    const fromPlatform = openPlatformNotebook();
    changes |= fromPlatform;
    // A notebook from the platform is this browser's from now on too.
    if (fromPlatform & Changed.Notebook) storage.save(core.notebookCsv(), core.burstMarks());
    return changes & ~Changed.Notebook;
  };

  const language = (): ReturnType<typeof languageOfFolder> => languageOfFolder(core.languageFolder());
  const setPageLanguage = (): void => {
    document.documentElement.lang = language();
  };

  const main: MainWindow = new MainWindow(core, designs.main, dial, {
    end: () => {
      notebook.close();
      clock?.stop();
      core.endRun();
      main.element.hidden = true;
      askIdentifier();
    },
    about: () => about.show(core.describeSettings(parameters.query)),
    teacher: () => teacher.show(parameters),
    guide: () => guide.show(language()),
    language: () =>
      languageDialog.show(() => {
        setPageLanguage();
        main.applyCaptions();
        if (notebook.dialog.open) notebook.refresh();
      }),
    notebook: () => notebook.show(identifier),
    notebookChanged,
    notebookRedrawn: () => {
      if (notebook.dialog.open) notebook.refresh();
    },
  });
  main.element.hidden = true;
  const stage = new Stage(main.element, designs.main.width, designs.main.height + CaptionHeight, designs.main.compact, (layout) => main.resize(layout));

  const askIdentifier = (): void => {
    document.title = core.catalogueText(Text.MainTitle);
    prompt.show((typed) => {
      identifier = typed;
      const seeds = crypto.getRandomValues(new Uint32Array(2));
      let changes = core.beginRun(performance.now(), seeds[0] ?? 0, seeds[1] ?? 0);
      changes |= core.setBrownian(parameters.brownian ?? false);
      changes |= core.setRealAir(parameters.realAir ?? false);
      core.setStudent(typed);
      if (parameters.classCode !== null) {
        const problem = core.setClassCode(parameters.classCode);
        if (problem !== null) message.show(problem);
      }
      changes |= openNotebook();
      // The platform hears of the lesson from the start.
      keepOnPlatform();
      clock = new SimulationClock(core, (drawn) => main.draw(drawn));
      main.element.hidden = false;
      main.begin(typed, clock, changes);
      stage.fit();
      clock.start();
    }, scorm?.studentName() ?? '');
  };

  // Alt with a caption's marked letter presses its control in the window in front.
  addEventListener('keydown', (event) => {
    // The measuring keys work on the bench and in the notebook beside it, not under a modal box.
    const modal = document.querySelector('dialog:modal');
    if (event.key === 'Escape' && notebook.dialog.contains(document.activeElement)) {
      event.preventDefault();
      notebook.close();
      main.focusMicroscope();
      return;
    }
    if (!main.element.hidden && modal === null && main.measuringKey(event)) {
      event.preventDefault();
      return;
    }
    const key = mnemonicKeyOf(event);
    if (key === null) return;
    const front = [...document.querySelectorAll('dialog')].filter((d) => d.open).pop();
    if (front) {
      const target = [...front.querySelectorAll<HTMLElement>('[data-mnemonic]')].find((e) => e.dataset['mnemonic'] === key);
      if (target) {
        event.preventDefault();
        target.click();
      }
      return;
    }
    if (!main.element.hidden && main.pressMnemonic(key, event)) event.preventDefault();
  });

  setPageLanguage();
  document.getElementById('boot-message')?.remove();
  askIdentifier();
}

watchForFailures();
start().catch(showFailure);
