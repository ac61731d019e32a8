// The page in headless Chromium (Debian's chromium, driven by playwright-core),
// served from a local static server: the console drawn as the desktop program
// draws it, power lighting the screen, a key moving the ship, a touch on FIRE
// firing, and a phone's viewport holding the whole console. Every wait polls a
// condition with a bounded time.
// Usage: node page_test.mjs --site build-web/site --native build
import { execFileSync, spawnSync } from 'node:child_process';
import { createReadStream, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

const arg = name => process.argv[process.argv.indexOf(name) + 1];
const site = arg('--site'), native = arg('--native');
const work = mkdtempSync(join(tmpdir(), 'vornix-web-'));
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.png': 'image/png', '.wav': 'audio/wav', '.ini': 'text/plain',
                '.txt': 'text/plain' };

// ---- A static server on 127.0.0.1 ---------------------------------------------
function serve(root) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    let file = join(root, path);
    try { if (statSync(file).isDirectory()) file = join(file, 'index.html'); statSync(file); } catch {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

let failures = 0;
async function check(name, body) {
  const started = Date.now();
  try {
    await body();
    console.log(`ok   ${name} (${Date.now() - started} ms)`);
  } catch (error) {
    failures++;
    console.log(`FAIL ${name}: ${error.message}`);
  }
}
function expect(condition, what) { if (!condition) throw new Error(what); }

// Polls `probe` in the page until it returns something true, at most `ms`.
const until = (page, what, probe, arg, ms = 10000) => page.waitForFunction(probe, arg, { timeout: ms, polling: 20 })
  .catch(() => { throw new Error(`${what}: not within ${ms} ms`); });
const ready = page => until(page, 'data-ready="1"', () => document.documentElement.dataset.ready === '1', undefined, 30000);
const dump = page => page.evaluate(() => window.vornix.dump());

// The middle of the pictured button of `action` (1 power .. 6 fire) in page
// coordinates, found through the core's own hit test.
async function buttonCentre(page, action) {
  return page.evaluate(action => {
    const canvas = document.getElementById('console');
    let sx = 0, sy = 0, n = 0;
    for (let y = 0; y < canvas.height; y += 2)
      for (let x = 0; x < canvas.width; x += 2)
        if (window.vornix.buttonAt(x, y) === action) { sx += x; sy += y; n++; }
    if (!n) return null;
    const r = canvas.getBoundingClientRect();
    return { x: r.left + (sx / n + 0.5) * r.width / canvas.width, y: r.top + (sy / n + 0.5) * r.height / canvas.height };
  }, action);
}
// A digest of the canvas's pixels, to see that the picture changed.
const canvasPixels = page => page.evaluate(() => {
  const c = document.getElementById('console');
  const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  let h = 0;
  for (let i = 0; i < data.length; i += 4) h = (h * 31 + data[i] + data[i + 1] * 7 + data[i + 2] * 13 + data[i + 3]) | 0;
  return h;
});

// How two pictures of the same size differ: `compare`'s metric (AE: the pixels
// differing by more than `fuzz` percent; RMSE: the root mean square error, 0..1).
function comparePictures(metric, a, b, fuzz = 0) {
  const run = spawnSync('compare', ['-metric', metric, '-fuzz', `${fuzz}%`, a, b, 'null:'], { encoding: 'utf8' });
  if (run.status !== 0 && run.status !== 1) throw new Error(`compare failed: ${run.stderr}`);
  const text = run.stderr.trim();
  return metric === 'RMSE' ? Number(text.match(/\(([\d.e-]+)\)/)[1]) : Number(text);
}

const server = await serve(site);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--autoplay-policy=no-user-gesture-required'],
});
const timings = [];

try {
  for (const skin of [1, 2]) {
    await check(`skin ${skin}: the console as the desktop program draws it`, async () => {
      const context = await browser.newContext({ viewport: { width: 1400, height: 1100 }, deviceScaleFactor: 1 });
      const page = await context.newPage();
      const errors = [];
      page.on('pageerror', e => errors.push(e.message));
      await page.goto(`${base}?seed=1&skin=${skin}`);
      await ready(page);
      timings.push(await page.evaluate(() => performance.getEntriesByName('vornix-console-painted')[0].startTime));
      expect(errors.length === 0, `page errors: ${errors.join('; ')}`);
      // The desktop program's own screenshot of the same state: the console, off.
      const config = join(work, `config${skin}`);
      const desktop = join(work, `desktop${skin}.png`);
      const settings = join(config, 'Brimlock');
      execFileSync('mkdir', ['-p', settings]);
      writeFileSync(join(settings, 'Vornix50.conf'), `[General]\nSkin=${skin}\nSoundMode=2\nSplashScreen=0\nFullscreenMode=0\nCtrlrOverlay=1\nZoom=100\n`);
      execFileSync(join(native, 'vornix-simulator'), ['--no-dialogs', '--seed', '1', '--screenshot', desktop,
                                                      '--quit-after', '1500'],
                   { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', XDG_CONFIG_HOME: config,
                            XDG_CACHE_HOME: join(config, 'cache'), SDL_AUDIODRIVER: 'dummy' },
                     stdio: ['ignore', 'ignore', 'pipe'] });
      // What the canvas holds, pixel for pixel (the key colour see-through, as the window's shape).
      const drawn = join(work, `canvas${skin}.png`);
      const png = await page.evaluate(() => document.getElementById('console').toDataURL('image/png'));
      writeFileSync(drawn, Buffer.from(png.split(',')[1], 'base64'));
      const [dw, dh] = execFileSync('identify', ['-format', '%w %h', desktop]).toString().split(' ').map(Number);
      const [cw, ch] = execFileSync('identify', ['-format', '%w %h', drawn]).toString().split(' ').map(Number);
      expect(dw === cw && dh === ch, `the canvas is ${cw} x ${ch}, the desktop window ${dw} x ${dh}`);
      // Where the window is see-through (the skin's key colour on the offscreen
      // screenshot, nothing on the canvas) both become black.
      const key = readFileSync(join(site, 'Graphics', `Skin${skin}`, 'Skin.ini'), 'utf8')
        .match(/TranspColor=\$00([0-9A-F]{2})([0-9A-F]{2})([0-9A-F]{2})/i);
      const flat = join(work, `canvas${skin}-flat.png`);
      execFileSync('convert', [drawn, '-background', 'black', '-alpha', 'remove', '-alpha', 'off', flat]);
      const desktopFlat = join(work, `desktop${skin}-flat.png`);
      execFileSync('convert', [desktop, '-alpha', 'off', '-fill', 'black', '-opaque', `#${key[3]}${key[2]}${key[1]}`,
                               desktopFlat]);
      const exact = comparePictures('AE', flat, desktopFlat, 1);
      expect(exact <= dw * dh / 1000, `${exact} of ${dw * dh} pixels differ from the desktop's screenshot`);
      // What the player sees: the page's picture of the console, scaled to fit, scaled back.
      const shown = join(work, `shown${skin}.png`);
      await page.evaluate(() => { document.documentElement.style.background = document.body.style.background = 'black'; });
      await page.locator('#console').screenshot({ path: shown, omitBackground: true });
      const back = join(work, `shown${skin}-back.png`);
      execFileSync('convert', [shown, '-resize', `${dw}x${dh}!`, '-background', 'black', '-alpha', 'remove',
                               '-alpha', 'off', back]);
      // Scaling softens edges (about 0.03 to 0.06); another picture is near 0.2.
      const scaled = comparePictures('RMSE', back, desktopFlat);
      expect(scaled <= 0.08, `the scaled console differs from the desktop's screenshot by ${scaled} (RMSE)`);
      await context.close();
    });
  }

  await check('power on lights the screen, a touch on FIRE fires, a key moves the ship, hidden the game waits', async () => {
    const context = await browser.newContext({ viewport: { width: 800, height: 900 }, hasTouch: true });
    const page = await context.newPage();
    await page.goto(`${base}?seed=1&skin=1`);
    await ready(page);
    const before = await dump(page);
    expect(before.GameMode === 0 && !before.buttons.im_background_screen_on, 'the console does not start off');
    const dark = await canvasPixels(page);
    const power = await buttonCentre(page, 1);
    expect(power, 'no power button on the canvas');
    await page.mouse.click(power.x, power.y);
    await until(page, 'the screen lit', () => window.vornix.dump().buttons.im_background_screen_on, undefined, 5000);
    expect(await canvasPixels(page) !== dark, 'the screen lit in the core but not on the canvas');

    // After the power-on jingle, start a game with the start key and wait until
    // the ship takes the controls.
    await until(page, 'the demonstration (GameMode 2)', () => window.vornix.dump().GameMode === 2, undefined, 10000);
    await page.keyboard.press('Digit3');
    await until(page, 'the ship ready', () => window.vornix.dump().ControlsReady, undefined, 15000);
    const fire = await buttonCentre(page, 6);
    expect(fire, 'no FIRE button on the canvas');
    const played = await page.evaluate(() => window.vornix.soundCount);
    await page.touchscreen.tap(fire.x, fire.y);
    await until(page, 'the Fire sound', p => {
      const v = window.vornix, n = Math.min(v.soundCount - p, 100);
      return n > 0 && v.sounds.slice(-n).includes('Fire');
    }, played, 5000).catch(async error => {
      throw new Error(`${error.message} (played: ${await page.evaluate(() => window.vornix.sounds.join(' '))})`);
    });

    const start = (await dump(page)).ShipCol;
    const standing = await canvasPixels(page);
    await page.keyboard.down(start < 5 ? 'ArrowRight' : 'ArrowLeft');
    await until(page, 'the ship moved', col => window.vornix.dump().ShipCol !== col, start, 5000);
    await page.keyboard.up(start < 5 ? 'ArrowRight' : 'ArrowLeft');
    expect(await canvasPixels(page) !== standing, 'the ship moved in the core but not on the canvas');

    // Hidden, the game's clock stands still (its timers tick every few hundred ms
    // in play); shown again, it goes on.
    const setHidden = hidden => page.evaluate(hidden => {
      Object.defineProperty(document, 'hidden', { value: hidden, configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
    }, hidden);
    await setHidden(true);
    const stopped = await page.evaluate(() => [window.vornix.dump().t, performance.now()]);
    await until(page, 'a second of page time', t => performance.now() > t + 1000, stopped[1], 5000);
    expect((await dump(page)).t === stopped[0], 'the game went on while the page was hidden');
    await setHidden(false);
    await until(page, 'the game going on', t => window.vornix.dump().t > t, stopped[0], 5000);
    await context.close();
  });

  for (const viewport of [{ width: 390, height: 844 }, { width: 844, height: 390 }]) {
    await check(`a phone at ${viewport.width} x ${viewport.height} shows the whole console`, async () => {
      const context = await browser.newContext({ viewport, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
      const page = await context.newPage();
      await page.goto(`${base}?seed=1`);
      await ready(page);
      const box = await page.locator('#console').boundingBox();
      expect(box.x >= 0 && box.y >= 0 && box.x + box.width <= viewport.width + 0.5 &&
             box.y + box.height <= viewport.height + 0.5, `the console lies at ${JSON.stringify(box)}`);
      expect(box.width >= viewport.width * 0.5 || box.height >= viewport.height * 0.7,
             `the console is only ${box.width} x ${box.height}`);
      const scroll = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.scrollHeight]);
      expect(scroll[0] <= viewport.width && scroll[1] <= viewport.height, `the page scrolls to ${scroll}`);
      await context.close();
    });
  }
} finally {
  await browser.close();
  server.close();
  if (failures === 0) rmSync(work, { recursive: true, force: true });
  else console.log(`pictures kept in ${work}`);
}
if (timings.length) console.log(`first painted console: ${timings.map(t => t.toFixed(1)).join(', ')} ms after navigation`);
console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);
