// The page around the console core (vornix-web.wasm): it fetches the skin's
// description and pictures, lets the browser decode them, draws what the core
// composes, plays the sounds the core asks for through WebAudio, forwards keys,
// mouse and touches, and drives the core's clock from performance.now(). The game
// itself, the timers' catch-up rule and the drawing order all live in the core.

const SILENCE = 100, PAUSE = 101, RESUME = 102;  // the core's sound requests besides effects 0..13
const EFFECTS = [];  // the effects' names, from the core
const MANUAL_PAGES = 6;
const params = new URLSearchParams(location.search);
const stored = (name, fallback) => {
  try { return JSON.parse(localStorage.getItem('vornix.' + name)) ?? fallback; } catch { return fallback; }
};
const store = (name, value) => { try { localStorage.setItem('vornix.' + name, JSON.stringify(value)); } catch {} };

const canvas = document.getElementById('console');
const context = canvas.getContext('2d');
const message = document.getElementById('message');
let core, tickTimer = null, frameView = null;

// ---- The core's calls ------------------------------------------------------
function text(pointer) { return core.UTF8ToString(pointer); }
function withText(value, call) {
  const size = core.lengthBytesUTF8(value) + 1, pointer = core._malloc(size);
  core.stringToUTF8(value, pointer, size);
  try { return call(pointer); } finally { core._free(pointer); }
}
// Every event of the core returns the milliseconds to its next tick (-1: none)
// and leaves what it repainted and the sounds it played to be fetched.
function after(next) {
  paint();
  playSounds();
  clearTimeout(tickTimer);
  tickTimer = next >= 0 ? setTimeout(() => after(core._vx_tick(performance.now())), next) : null;
}
const act = {
  action: (action, down) => after(core._vx_action(action, down ? 1 : 0, performance.now())),
  key: (code, down) => after(core._vx_key(code, down ? 1 : 0, performance.now())),
  paused: paused => after(core._vx_set_paused(paused ? 1 : 0, performance.now())),
};

// ---- Drawing -----------------------------------------------------------------
function paint() {
  const [x, y, w, h] = new Int32Array(core.HEAP32.buffer, core._vx_dirty(), 4);
  if (w <= 0 || h <= 0) return;
  const width = core._vx_width(), height = core._vx_height(), pointer = core._vx_frame();
  if (!frameView || frameView.data.buffer !== core.HEAPU8.buffer || frameView.pointer !== pointer ||
      frameView.width !== width || frameView.height !== height) {
    const pixels = new Uint8ClampedArray(core.HEAPU8.buffer, pointer, width * height * 4);
    frameView = new ImageData(pixels, width, height);
    frameView.pointer = pointer;
  }
  context.putImageData(frameView, 0, 0, x, y, w, h);
}

// The console as large as the page allows; whole device pixels per console pixel
// draw sharp, others smooth.
function fit() {
  const stage = document.getElementById('stage');
  const room = stage.getBoundingClientRect();
  const scale = Math.min(room.width / canvas.width, room.height / canvas.height);
  if (!(scale > 0)) return;
  canvas.style.width = `${Math.floor(canvas.width * scale)}px`;
  canvas.style.height = `${Math.floor(canvas.height * scale)}px`;
  const device = scale * devicePixelRatio;
  canvas.classList.toggle('sharp', Math.abs(device - Math.round(device)) < 0.01);
}

// ---- Sound: one channel, a new effect replaces the one playing; Thrust loops --
const sound = { context: null, buffers: [], playing: null };
function openSound() {  // decodes the samples at once; the context runs from the first gesture on
  const AudioContextClass = window.AudioContext || window.webkitAudioContext;
  if (!AudioContextClass) return [];
  sound.context = new AudioContextClass();
  return EFFECTS.map((name, i) => fetch(`Sound/${name}.wav`)
    .then(r => (r.ok ? r.arrayBuffer() : Promise.reject(new Error('not found'))))
    .then(bytes => sound.context.decodeAudioData(bytes))
    .then(buffer => { sound.buffers[i] = buffer; }, error => console.warn(`Sound/${name}.wav: ${error.message}`)));
}
function startSound() {  // browsers allow sound only after a click, touch or key
  if (sound.context?.state === 'suspended' && !document.hidden) sound.context.resume();
}
function stopSound() {
  if (sound.playing) { try { sound.playing.stop(); } catch {} sound.playing = null; }
}
function playSounds() {
  const count = core._vx_sound_count();
  const codes = new Int32Array(core.HEAP32.buffer, core._vx_sounds(), count);
  for (const code of codes) {
    if (code === SILENCE) stopSound();
    else if (code === PAUSE) sound.context?.suspend();
    else if (code === RESUME) sound.context?.resume();  // only after a gesture, where browsers ask for one
    else {
      window.vornix.sounds = [...window.vornix.sounds.slice(-99), EFFECTS[code]];
      window.vornix.soundCount++;
      stopSound();
      if (!sound.context) continue;
      const buffer = sound.buffers[code];
      if (!buffer) continue;
      const source = sound.context.createBufferSource();
      source.buffer = buffer;
      source.loop = EFFECTS[code] === 'Thrust';  // the one effect that loops
      source.connect(sound.context.destination);
      source.start();
      sound.playing = source;
    }
  }
}

// ---- Pictures: decoded by the browser, handed to the core as RGBA -------------
function pngHasAlpha(bytes) {  // as the desktop's decoder: an alpha channel or a tRNS chunk
  const b = new Uint8Array(bytes);
  if (b.length < 33 || b[1] !== 0x50) return false;
  if (b[25] === 4 || b[25] === 6) return true;
  for (let at = 8; at + 8 <= b.length;) {
    const length = (b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3]) >>> 0;
    const type = String.fromCharCode(b[at + 4], b[at + 5], b[at + 6], b[at + 7]);
    if (type === 'tRNS') return true;
    if (type === 'IDAT' || type === 'IEND') return false;
    at += 12 + length;
  }
  return false;
}
const sitePath = name => name.replaceAll('\\', '/').replace(/\.(bmp|jpe?g)$/i, '.png');
async function decodePicture(file, keep = false) {
  const response = await fetch(sitePath(file));
  if (!response.ok) throw new Error(`${file} not found`);
  const bytes = await response.arrayBuffer();
  const bitmap = await createImageBitmap(new Blob([bytes]),
                                         { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
  const scratch = document.createElement('canvas');
  scratch.width = bitmap.width;
  scratch.height = bitmap.height;
  const context = scratch.getContext('2d', { willReadFrequently: true });
  context.drawImage(bitmap, 0, 0);
  if (keep) return { context };
  return { width: bitmap.width, height: bitmap.height, alpha: pngHasAlpha(bytes),
           rgba: context.getImageData(0, 0, bitmap.width, bitmap.height).data };
}

// The skin's pictures: from its packed picture when the site has one (one
// request), else one file each. A picture that is missing or does not decode is
// left out: the core puts the red square in its place.
async function decodePictures(folder, names) {
  const packed = await fetch(sitePath(`${folder}Skin.pictures.json`)).then(r => (r.ok ? r.json() : null), () => null);
  if (packed) {
    const all = await decodePicture(`${folder}Skin.pictures.png`, true);
    return packed.filter(entry => names.has(entry.name)).map(({ name, y, width, height, alpha }) => ({
      name, picture: { width, height, alpha, rgba: all.context.getImageData(0, y, width, height).data } }));
  }
  const pictures = await Promise.all([...names].map(name => decodePicture(folder + name).then(
    picture => ({ name, picture }), error => { console.warn(`${folder}${name}: ${error.message}`); return null; })));
  return pictures.filter(Boolean);
}

async function loadSkin(index) {
  const folder = text(core._vx_skin_field(index, 0)), file = text(core._vx_skin_field(index, 2));
  const response = await fetch(sitePath(folder + file));
  if (!response.ok || !withText(await response.text(), p => core._vx_describe_skin(p)))
    throw new Error(`Skin configuration file (${folder}${file}) ${response.ok ? text(core._vx_error()) : 'not found'}. ` +
                    'Please reinstall the skin.');
  const names = new Set();
  for (let id = 0; id < 173; ++id) {
    const name = text(core._vx_skin_picture_file(id));
    if (name) names.add(name);
  }
  for (const { name, picture } of await decodePictures(folder, names)) {
    const pointer = core._malloc(picture.rgba.length);
    core.HEAPU8.set(picture.rgba, pointer);
    withText(name, p => core._vx_add_picture(p, picture.width, picture.height, pointer, picture.alpha ? 1 : 0));
    core._free(pointer);
  }
  performance.mark('vornix-skin-decoded');
  core._vx_apply_skin();
  canvas.width = core._vx_width();
  canvas.height = core._vx_height();
  frameView = null;
  fit();
  paint();
}

// ---- Keys: the six actions' keys, chosen on the page and kept in localStorage --
function keyCode(event) {
  const c = event.code;
  if (/^Digit\d$/.test(c)) return 48 + Number(c[5]);
  if (/^Key[A-Z]$/.test(c)) return c.charCodeAt(3);
  return { ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, AltLeft: 18, AltRight: 18,
           ControlLeft: 17, ControlRight: 17, ShiftLeft: 16, ShiftRight: 16, Space: 32 }[c] ?? 0;
}
function currentKeys() {
  const keys = stored('keys', null);
  const defaults = [1, 2, 3, 4, 5, 6].map(a => core._vx_default_key(a));
  return Array.isArray(keys) && keys.length === 6 && keys.every(k => k >= 1 && k <= 44) ? keys : defaults;
}
function assignKeys(keys) { after(core._vx_assign_keys(...keys, performance.now())); }
function setUpKeyForm() {
  const rows = document.getElementById('key-rows');
  const selects = [];
  for (let a = 1; a <= 6; ++a) {
    const label = document.createElement('label');
    const name = text(core._vx_action_name(a));
    label.textContent = name[0].toUpperCase() + name.slice(1);
    const select = document.createElement('select');
    select.id = `key-${a}`;
    for (let k = 1; k <= 44; ++k) select.add(new Option(text(core._vx_key_name(k)), k));
    label.htmlFor = select.id;
    rows.append(label, select);
    selects.push(select);
  }
  const dialog = document.getElementById('keys');
  const show = keys => selects.forEach((s, i) => { s.value = keys[i]; });
  document.getElementById('keys-open').onclick = () => { show(currentKeys()); dialog.showModal(); };
  document.getElementById('keys-default').onclick = () => show([1, 2, 3, 4, 5, 6].map(a => core._vx_default_key(a)));
  dialog.addEventListener('close', () => {
    if (dialog.returnValue !== 'ok') return;
    const keys = selects.map(s => Number(s.value));
    store('keys', keys);
    assignKeys(keys);
  });
}
function onKey(event, down) {
  if (document.querySelector('dialog[open]') || event.target.closest?.('select')) return;
  const code = keyCode(event);
  if (!code) return;
  startSound();
  if (currentKeys().some(k => core._vx_key_code(k) === code)) event.preventDefault();
  act.key(code, down);  // a held key repeats as presses, as on the desktop
}

// ---- Mouse and touch on the pictured buttons ------------------------------------
const held = new Map();  // pointer id -> the action it holds
function consolePoint(event) {
  const r = canvas.getBoundingClientRect();
  return [Math.floor((event.clientX - r.left) * canvas.width / r.width),
          Math.floor((event.clientY - r.top) * canvas.height / r.height)];
}
function setUpPointer() {
  canvas.addEventListener('pointerdown', event => {
    if (event.button !== 0) return;
    startSound();
    const action = core._vx_button_at(...consolePoint(event));
    if (!action) return;
    event.preventDefault();
    canvas.setPointerCapture(event.pointerId);
    held.set(event.pointerId, action);
    act.action(action, true);
  });
  const release = event => {
    const action = held.get(event.pointerId);
    if (action === undefined) return;
    held.delete(event.pointerId);
    act.action(action, false);
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);
  canvas.addEventListener('pointermove', event => {
    if (event.pointerType !== 'mouse') return;
    const [x, y] = consolePoint(event);
    canvas.title = text(core._vx_hint_at(x, y));
    canvas.classList.toggle('button', core._vx_button_at(x, y) !== 0);
  });
  canvas.addEventListener('contextmenu', event => event.preventDefault());
}

// ---- The manual, the about box, full screen ------------------------------------
function setUpDialogs() {
  const manual = document.getElementById('manual'), image = document.getElementById('manual-page');
  let page = 1;
  const turn = to => {
    page = Math.min(Math.max(to, 1), MANUAL_PAGES);
    image.src = `Graphics/Manual/${page}.png`;
    document.getElementById('manual-number').textContent = `${page} / ${MANUAL_PAGES}`;
  };
  document.getElementById('manual-open').onclick = () => { turn(page); manual.showModal(); };
  document.getElementById('manual-prev').onclick = () => turn(page - 1);
  document.getElementById('manual-next').onclick = () => turn(page + 1);
  manual.addEventListener('keydown', event => {
    if (event.key === 'ArrowLeft' || event.key === 'PageUp') turn(page - 1);
    if (event.key === 'ArrowRight' || event.key === 'PageDown') turn(page + 1);
  });
  const about = document.getElementById('about');
  document.getElementById('about-open').onclick = () => about.showModal();
  const full = document.getElementById('full');
  if (!document.fullscreenEnabled) full.hidden = true;
  full.onclick = () => (document.fullscreenElement ? document.exitFullscreen()
                                                   : document.documentElement.requestFullscreen()).catch(() => {});
  document.addEventListener('fullscreenchange', () => {
    full.textContent = document.fullscreenElement ? 'Leave full screen' : 'Full screen';
    fit();
  });
}

// ---- Start -------------------------------------------------------------------------
async function start() {
  window.vornix = { sounds: [], soundCount: 0 };  // the last effects played, for a look from outside
  const [config] = await Promise.all([fetch('Config.ini').then(r => r.ok ? r.text() : Promise.reject(
    new Error('Configuration file (Config.ini) not found. Please reinstall the game.'))), VornixCore().then(m => { core = m; })]);
  performance.mark('vornix-core-ready');
  for (let i = 0; text(core._vx_effect_name(i)); ++i) EFFECTS.push(text(core._vx_effect_name(i)));
  const decodeSounds = openSound();
  const seed = params.get('seed');
  core._vx_create(Number(seed) >>> 0, seed === null ? 0 : 1, performance.now());
  const count = withText(config, p => core._vx_read_config(p));
  const chooser = document.getElementById('skin');
  for (let i = 1; i <= count; ++i) chooser.add(new Option(text(core._vx_skin_field(i, 1)), i));
  let skin = Number(params.get('skin') ?? stored('skin', 1));
  if (!(skin >= 1 && skin <= count)) skin = 1;
  chooser.value = skin;
  await loadSkin(skin);
  assignKeys(currentKeys());
  after(core._vx_start_play(performance.now()));
  await new Promise(requestAnimationFrame);
  performance.mark('vornix-console-painted');
  document.documentElement.dataset.ready = '1';

  Object.assign(window.vornix, {
    dump: () => JSON.parse(text(core._vx_dump())),
    buttonAt: (x, y) => core._vx_button_at(x, y),
    paintedAt: performance.now(),
  });
  // Another skin starts the console anew, as the desktop's launcher does.
  chooser.onchange = () => {
    store('skin', Number(chooser.value));
    params.delete('skin');
    location.search = params.toString();
  };
  setUpKeyForm();
  setUpPointer();
  setUpDialogs();
  addEventListener('keydown', event => onKey(event, true));
  addEventListener('keyup', event => onKey(event, false));
  addEventListener('resize', fit);
  // The game's clock stops while the page is hidden and goes on where it stopped.
  document.addEventListener('visibilitychange', () => act.paused(document.hidden));
  if (document.hidden) act.paused(true);
  await Promise.all(decodeSounds);
}

start().catch(error => {
  message.textContent = error.message;
  message.hidden = false;
  console.error(error);
});
