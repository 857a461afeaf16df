// Builds the browser edition's single page: the TypeScript front end bundled with esbuild, the
// core's ES module (its WebAssembly inlined), the catalogues and the guide inlined, and the
// styles, all in ONE self-contained build-web/tessilar.html that makes no network request; and
// beside it build-web/tessilar-scorm12.zip, the page as a SCORM 1.2 package for learning
// platforms.
//
//   node web/build.mjs            the page (needs build-web/core/tessilar_core.mjs; see scripts/web.sh)
// Both first write web/src/generated/ from the C++ headers (web/generate.mjs).
//   node web/build.mjs --unit     the front end's logic modules for `node --test web/unit/`
import * as esbuild from 'esbuild';
import { strToU8, zipSync } from 'fflate';
import { mkdir, readFile, stat, writeFile } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { generate } from './generate.mjs';
import { loadCore } from './unit/wasmCore.mjs';

const web = dirname(fileURLToPath(import.meta.url));
const root = dirname(web);
const out = join(root, 'build-web');

/** The front end's modules of pure logic, which the unit tests load. */
const unitModules = ['fit', 'compact', 'mnemonic', 'params', 'clock', 'notebookStorage', 'pointing', 'shapes', 'coreShapes', 'suspendData'];

/** Connections, frames, objects and fonts from anywhere are refused; only the page's own inline
 *  script, styles and WebAssembly run. */
const contentSecurityPolicy = [
  "default-src 'none'",
  "script-src 'unsafe-inline' 'wasm-unsafe-eval'",
  "style-src 'unsafe-inline'",
  'img-src data: blob:',
  "connect-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

async function buildUnit() {
  await esbuild.build({
    entryPoints: unitModules.map((name) => join(web, 'src', `${name}.ts`)),
    outdir: join(web, 'build-unit'),
    outExtension: { '.js': '.mjs' },
    format: 'esm',
    platform: 'node',
    target: 'node20',
    bundle: true,
    logLevel: 'warning',
  });
}

async function buildPage() {
  const core = join(out, 'core', 'tessilar_core.mjs');
  await stat(core).catch(() => {
    throw new Error(`${core} is missing: build the core first (scripts/web.sh does)`);
  });
  const bundle = await esbuild.build({
    entryPoints: [join(web, 'src', 'main.ts')],
    bundle: true,
    write: false,
    format: 'esm',
    platform: 'browser',
    target: ['chrome100', 'firefox100', 'safari15'],
    minify: true,
    legalComments: 'none',
    // The core's module holds a branch for Node that the page never takes.
    external: ['fs', 'path', 'crypto', 'module', 'url', 'node:*'],
    loader: { '.ini': 'binary', '.html': 'text' },
    logLevel: 'warning',
  });
  const script = bundle.outputFiles[0].text;
  if (/<\/script/i.test(script)) throw new Error('the bundle holds </script and cannot be inlined');
  const styles = await readFile(join(web, 'src', 'styles.css'), 'utf8');
  const page = `<!DOCTYPE html>
<html lang="hu">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="${contentSecurityPolicy}">
<title>Tessilar</title>
<script id="tessilar-settings" type="text/plain"></script>
<style>${styles}</style>
</head>
<body>
<div id="boot-message" role="status">
<p lang="hu">A Tessilar indul… Ha ez a felirat megmarad, a program nem tud elindulni ebben a böngészőben: JavaScript és WebAssembly kell hozzá.</p>
<p lang="en">Tessilar is starting… If this message stays, the program cannot start in this browser: it needs JavaScript and WebAssembly.</p>
</div>
<div id="stage-layer"></div>
<script type="module">${script}</script>
</body>
</html>
`;
  await mkdir(out, { recursive: true });
  const file = join(out, 'tessilar.html');
  await writeFile(file, page);
  const bytes = Buffer.byteLength(page);
  console.log(`${file}: ${bytes} bytes (${(bytes / 1024 / 1024).toFixed(2)} MiB)`);
  if (bytes > 2 * 1024 * 1024) throw new Error('the page is larger than 2 MB');
  await writeScormPackage(page);
}

/** The SCORM 1.2 package: the core's manifest and the page, its launch file. */
async function writeScormPackage(page) {
  const { m, text } = await loadCore();
  const manifest = text(m._tess_scorm_manifest());
  const zip = zipSync({ 'imsmanifest.xml': strToU8(manifest), 'tessilar.html': strToU8(page) }, { level: 9 });
  const file = join(out, 'tessilar-scorm12.zip');
  await writeFile(file, zip);
  console.log(`${file}: ${zip.length} bytes`);
}

// The page's constants and its interface to the core come from the C++ headers.
await generate();
if (process.argv.includes('--unit')) await buildUnit();
else await buildPage();
