// The page's start: the core with the catalogues in its program folder, the windows built from the
// core's designs, then the identity prompt. End comes back to the prompt, since a page cannot
// close its own tab.

import englishCatalogue from '../../dist/English/Tessilar.ini';
import magyarCatalogue from '../../dist/Magyar/Tessilar.ini';
import programCatalogue from '../../dist/Tessilar.ini';
import guideHtml from '../../dist/TESSILAR.html';
import createTessilarCore from '../../build-web/core/tessilar_core.mjs';
import { SimulationClock } from './clock';
import { Changed, Core, Text, type CoreModule } from './core';
import { showFailure, watchForFailures } from './failure';
import { mnemonicKeyOf } from './mnemonic';
import { LanguageFolders, languageOfFolder, localeDecimalSeparator, readParameters } from './params';
import { NotebookStorage } from './notebookStorage';
import { CaptionHeight, Stage } from './stage';
import { AboutDialog } from './views/AboutDialog';
import { GuideDialog } from './views/GuideDialog';
import { IdentityPrompt } from './views/IdentityPrompt';
import { LanguageDialog } from './views/LanguageDialog';
import { MainWindow } from './views/MainWindow';
import { MessageDialog } from './views/MessageDialog';
import { NotebookDialog } from './views/NotebookDialog';

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
  if (typeof WebAssembly !== 'object') throw new Error('WebAssembly is not available');
  const module = (await createCore()) as CoreModule;
  const core = new Core(module);
  const files: [string, Uint8Array][] = [
    ['Tessilar.ini', programCatalogue],
    ['Magyar/Tessilar.ini', magyarCatalogue],
    ['English/Tessilar.ini', englishCatalogue],
  ];
  for (const [path, bytes] of files) {
    if (!core.putFile(path, bytes)) throw new Error(`the catalogue ${path} could not be stored`);
  }
  core.start(localeDecimalSeparator(navigator.languages));
  const parameters = readParameters(location.search);
  core.chooseLanguage(LanguageFolders[parameters.lang]);

  const designs = core.designs();
  const dial = core.dial();
  const prompt = new IdentityPrompt(core, designs.prompt);
  const about = new AboutDialog(core, designs.about);
  const languageDialog = new LanguageDialog(core, designs.language);
  const guide = new GuideDialog(core, guideHtml);
  const message = new MessageDialog(core);
  core.setCalculations(parameters.calculations);

  // Each identifier's notebook is kept in the browser after every change.
  const storage = new NotebookStorage(() => localStorage);
  let identifier = '';
  let storageFault = false;
  const keepNotebook = (): void => {
    const fault = storage.save(core.notebookCsv(), core.burstMarks());
    // Said once a session, not at every row.
    if (fault !== null && !storageFault) message.show(core.filledText(Text.StoredNotKept, [core.catalogueText(fault === 'full' ? Text.StorageFull : Text.StorageRefused)]));
    storageFault = fault !== null;
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
    return changes & ~Changed.Notebook;
  };

  const english = (): boolean => languageOfFolder(core.languageFolder()) === 'en';
  const setPageLanguage = (): void => {
    document.documentElement.lang = english() ? 'en' : 'hu';
  };

  const main: MainWindow = new MainWindow(core, designs.main, dial, {
    end: () => {
      notebook.close();
      clock?.stop();
      core.endRun();
      main.element.hidden = true;
      askIdentifier();
    },
    about: () => about.show(),
    guide: () => guide.show(english()),
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
  const stage = new Stage(main.element, designs.main.width, designs.main.height + CaptionHeight, (scale, dpr) => main.resize(scale, dpr));

  const askIdentifier = (): void => {
    document.title = core.catalogueText(Text.MainTitle);
    prompt.show((typed) => {
      identifier = typed;
      const seeds = crypto.getRandomValues(new Uint32Array(2));
      let changes = core.beginRun(performance.now(), seeds[0] ?? 0, seeds[1] ?? 0);
      changes |= core.setBrownian(parameters.brownian);
      changes |= core.setRealAir(parameters.realAir);
      core.setStudent(typed);
      if (parameters.classCode !== null) {
        const problem = core.setClassCode(parameters.classCode);
        if (problem !== null) message.show(problem);
      }
      changes |= openNotebook();
      clock = new SimulationClock(core, (drawn) => main.draw(drawn));
      main.element.hidden = false;
      main.begin(typed, clock, changes);
      stage.fit();
      clock.start();
    });
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
