// The browser build played in Debian's Chromium through its page, with real
// pointer and touch events, as the native end-to-end scenario plays the game:
// the main menu against the native build's frame of it, a free game round, the
// challenge's levels 1 and 2, a name typed on the on-screen keyboard by touch,
// the list, a reload, the list again, Exit, and a new start from the page.
// Arguments: SITE_FOLDER NATIVE_MENU_BMP ARTIFACTS_FOLDER.
import { chromium } from 'playwright-core';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const [site, nativeFrames, artifacts] = process.argv.slice(2);
const ASIDE = [0, 191]; // no target, key or flying button is ever there: a press only ends a wait
const white = (c) => Math.min(...c) >= 200;
const red = (c) => c[0] >= 60 && c[0] - Math.max(c[1], c[2]) >= 50;
const lit = (shot, rect) => shot.points(rect, (c) => Math.max(...c) > 24).length;
const MENU_BUTTONS = { // resting on the middles of the screen's quarters, 112 x 84 each
  play: [[80, 60], (c) => c[1] > Math.max(c[0], c[2]) + 30],
  challenge: [[240, 60], (c) => c[0] > c[1] + 30 && c[1] > c[2] + 30],
  high: [[80, 180], (c) => c[2] > Math.max(c[0], c[1]) + 30],
  exit: [[240, 180], (c) => c[0] > c[1] + 50 && Math.abs(c[1] - c[2]) < 20],
};

function require(condition, message) {
  if (!condition) throw new Error(message);
}

class Shot { // the game's 320 x 240 picture, three bytes a pixel
  constructor(rgb) { this.rgb = rgb; }
  at(x, y) { return [...this.rgb.subarray(3 * (320 * y + x), 3 * (320 * y + x) + 3)]; }
  points([left, top, w, h], test) {
    const found = [];
    for (let y = top; y < top + h; y++)
      for (let x = left; x < left + w; x++) if (test(this.at(x, y))) found.push([x, y]);
    return found;
  }
}

function readBmp(file) { // 24 bits a pixel, rows bottom up, blue first
  const data = fs.readFileSync(file), rgb = new Uint8Array(320 * 240 * 3);
  const start = data.readUInt32LE(10), stride = Math.ceil((320 * 3) / 4) * 4;
  for (let y = 0; y < 240; y++)
    for (let x = 0; x < 320; x++)
      for (let c = 0; c < 3; c++) rgb[3 * (320 * y + x) + c] = data[start + (239 - y) * stride + 3 * x + 2 - c];
  return new Shot(rgb);
}

const menuAtRest = (shot) => Object.values(MENU_BUTTONS).every(([[x, y], test]) =>
  shot.points([x - 56, y - 42, 112, 84], test).length > 0.6 * 112 * 84);
const levelHeading = (shot) => shot.points([0, 0, 320, 40], red).length > 30 &&
  !shot.points([0, 40, 320, 200], red).length && shot.points([0, 40, 320, 200], white).length > 30;
const target = (area, size) => (shot) => { // a target in area, once size wide; gives its centre
  const found = shot.points(area, red);
  const xs = found.map((p) => p[0]).sort((a, b) => a - b), ys = found.map((p) => p[1]).sort((a, b) => a - b);
  if (found.length && Math.min(xs.at(-1) - xs[0], ys.at(-1) - ys[0]) + 1 >= size)
    return [(xs[0] + xs.at(-1)) >> 1, (ys[0] + ys.at(-1)) >> 1];
};

// Against the native build's frames (BMP files from its tests): the 16-bit
// display keeps 5 bits of red and blue and 6 of green, and each browser pixel
// must come down to the native one. Text is drawn by the canvas, anti-aliased:
// in text areas (the native frame's light pixels grown by 3 pixels) the light
// pixels of both frames must overlap by 40% of their union at least.
const BITS = [3, 2, 3], light = (c) => Math.min(...c) >= 128 && Math.max(...c) - Math.min(...c) <= 40;
function compare(shot, native) {
  const text = new Uint8Array(320 * 240);
  for (const [x, y] of native.points([0, 0, 320, 240], light))
    for (let dy = -3; dy <= 3; dy++)
      for (let dx = -3; dx <= 3; dx++) if (y + dy >= 0 && y + dy < 240 && x + dx >= 0 && x + dx < 320) text[320 * (y + dy) + x + dx] = 1;
  let off = 0, both = 0, either = 0;
  for (let y = 0; y < 240; y++)
    for (let x = 0; x < 320; x++) {
      const [a, b] = [shot.at(x, y), native.at(x, y)];
      if (text[320 * y + x]) {
        both += light(a) && light(b);
        either += light(a) || light(b);
      } else off += a.some((v, c) => v >> BITS[c] !== b[c] >> BITS[c]);
    }
  return { off, overlap: either ? both / either : 1 };
}
const matches = (native) => (shot) => {
  const { off, overlap } = compare(shot, native);
  return off === 0 && overlap >= 0.4;
};

const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', site]);
const origin = await new Promise((found) => server.stdout.on('data', (line) => {
  const port = /port (\d+)/.exec(line);
  if (port) found(`http://127.0.0.1:${port[1]}`);
}));
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox',
  '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'] });
const problems = [], loads = [];
let status = 1;
try {
  const context = await browser.newContext({ viewport: { width: 1000, height: 760 }, hasTouch: true });
  const page = await context.newPage();
  page.on('pageerror', (error) => problems.push('page error: ' + error.message));
  page.on('requestfailed', (request) => problems.push('failed request: ' + request.url()));
  page.on('response', (r) => r.status() >= 400 && problems.push(`${r.status()}: ${r.url()}`));
  page.on('request', (r) => new URL(r.url()).origin === origin || r.url().startsWith('blob:' + origin) ||
    problems.push('request to another host: ' + r.url()));
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push('console error: ' + message.text());
    if (message.type() === 'warning') loads.at(-1).errors += message.text() + '\n';
  });
  // Times of the browser's frames that show a new picture of the game.
  await context.addInitScript(() => {
    window.gameFrames = [];
    let shown = 0;
    requestAnimationFrame(function look(time) {
      const now = (window.Module && Module.picturesShown) || 0;
      if (now !== shown) window.gameFrames.push(time);
      shown = now;
      requestAnimationFrame(look);
    });
  });
  let canvas, began;
  page.on('framenavigated', (frame) => frame === page.mainFrame() && loads.push({ errors: '' }));
  const load = async (go) => {
    await go();
    canvas = await page.locator('canvas').boundingBox();
    began = Date.now();
  };
  const shot = async () => new Shot(Buffer.from(await page.evaluate(() => {
    const rgba = document.getElementById('canvas').getContext('2d').getImageData(0, 0, 320, 240).data;
    let bytes = '';
    for (let i = 0; i < rgba.length; i += 4) bytes += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
    return btoa(bytes);
  }), 'base64'));
  const where = ([x, y]) => [canvas.x + (x + 0.5) * canvas.width / 320, canvas.y + (y + 0.5) * canvas.height / 240];
  const click = (point) => page.mouse.click(...where(point));
  const tap = (point) => page.touchscreen.tap(...where(point));
  const picture = (name) => page.screenshot({ path: path.join(artifacts, name + '.png') });
  // Looks, for 25 s at most, until check(shot) gives something true, and gives that. A
  // picture that stays as it was is pressed at press, once a second at most.
  const until = async (description, check, press) => {
    const deadline = Date.now() + 25000;
    let pressed = 0, before;
    for (;;) {
      const now = await shot(), result = check(now);
      if (result) {
        console.log(`${((Date.now() - began) / 1000).toFixed(1).padStart(5)} s  ${description}`);
        return result;
      }
      require(Date.now() < deadline, '25 s without ' + description);
      if (press && before && now.rgb.equals(before.rgb) && Date.now() > pressed + 1000) {
        await click(press);
        pressed = Date.now();
      }
      before = now;
      await page.waitForTimeout(50);
    }
  };
  const choose = async (name) => {
    await click(MENU_BUTTONS[name][0]);
    if (name !== 'exit') await until('the main menu leaving', (s) => !menuAtRest(s));
  };
  const highScores = async () => {
    await choose('high');
    const names = await until('the high score list', (s) => s.points([146, 0, 174, 240], white).length > 50
      && !s.points([0, 0, 320, 240], (c) => Math.max(...c) > 24 && Math.max(...c) - Math.min(...c) > 24).length
      && s.points([146, 0, 174, 240], white));
    const first = names.filter(([, y]) => y < names[0][1] + 15).map(([x]) => x);
    require(Math.max(...first) < Math.max(...names.map(([x]) => x)) - 40, 'ADA 7 is not the first, short name');
    await picture('list');
    await until('the main menu', menuAtRest, ASIDE);
  };
  const storedHighScores = () => page.evaluate(() => new Promise((done) => {
    indexedDB.open('/save').onsuccess = (event) => {
      const files = event.target.result.transaction('FILE_DATA').objectStore('FILE_DATA');
      files.get('/save/high.dat').onsuccess = (got) => done(got.target.result &&
        String.fromCharCode(...got.target.result.contents));
    };
  }));

  fs.mkdirSync(artifacts, { recursive: true });
  await load(() => page.goto(origin));
  const menuFrame = readBmp(path.join(nativeFrames, 'main-menu-rest.bmp'));
  await until('the main menu at rest, as the native build draws it', matches(menuFrame));
  const firstFrame = await page.evaluate(() => gameFrames[0]);
  await picture('menu');
  await choose('play');
  await until('the setup screen at rest, as the native build draws it',
    matches(readBmp(path.join(nativeFrames, 'play-setup-rest.bmp'))));
  // 10 rounds down to 1 on the rounds' minus, "checker 3" on the third plus, then start.
  for (let i = 0; i < 9; i++) await click([25, 144]);
  for (let i = 0; i < 3; i++) await click([177, 224]);
  await click([264, 198]);
  // The frames of the round, from a second after the target shows until 2.5 s.
  await until("player 2's target", target([160, 0, 160, 240], 4));
  const shown = await page.evaluate(() => performance.now());
  await page.waitForFunction((from) => gameFrames.at(-1) > from + 2500, shown, { timeout: 10000 });
  const round = await page.evaluate((from) => gameFrames.filter((t) => t > from + 1000), shown);
  await picture('round');
  await click(await until("player 2's target grown", target([160, 0, 160, 240], 58)));
  await until("player 2's cell white, player 1's not", (s) => [0, 160].map((x) =>
    s.points([x, 0, 160, 240], white).length > 0.6 * 160 * 240).join() === 'false,true');
  await until('the main menu', menuAtRest, ASIDE);

  await choose('challenge');
  await until("level 1's objective", levelHeading);
  await until("level 1's game", (s) => lit(s, [0, 0, 320, 240]) < 400, ASIDE);
  await tap(await until("level 1's target", target([0, 0, 320, 240], 12)));
  await until("level 2's objective: level 1 passed", levelHeading, ASIDE);
  await until("level 2's game", (s) => lit(s, [0, 0, 320, 240]) < 400, ASIDE);
  // A full-grown target gives a point or a few, short of the 15 asked for.
  await tap(await until("level 2's target grown", target([0, 0, 320, 240], 58)));
  await until('the keyboard', (s) => lit(s, [0, 118, 320, 122]) > 37000, ASIDE);
  await picture('keyboard');
  // A on its top left pixel and D on its bottom right one (a pixel further, and
  // the press would fall between the keys), A, space, 7 and end in their middles.
  for (const key of [[17, 168], [110, 189], [31, 179], [143, 227], [207, 131], [287, 227]])
    await tap(key);
  await until('the main menu', menuAtRest);
  const saved = /^1\n\d+\nADA 7\n(0\n0\nworst player ever\n){10}$/;
  for (const deadline = Date.now() + 5000; !saved.test(await storedHighScores());)
    require(Date.now() < deadline && console.log(JSON.stringify(await storedHighScores())) === undefined, "the browser's storage has no high.dat of 1 level, ADA 7, 10 defaults");
  await highScores();

  await load(() => page.reload());
  await until('the main menu after a reload', menuAtRest);
  await highScores();
  await choose('exit');
  await load(() => Promise.all([page.waitForEvent('load'),
    page.getByText('Start again').click({ timeout: 25000 })]));
  await until('the main menu of a new start', menuAtRest);

  const start = '=== BRENVIK 0.2 by Tolvane ===\nLogging is disabled\n';
  require(new RegExp(`^${start}ERROR: can't load high scores!\n(ERROR: Can't render text!\n)+$`)
    .test(loads[0].errors), 'the first start did not report a missing high.dat alone: ' + loads[0].errors);
  require(loads.length === 3 && loads[1].errors === start + '\n' && loads[2].errors === start,
    'a start with high.dat in storage reported more than the banner, or Exit more than its line end');
  require(!problems.length, problems.join('\n'));

  const intervals = round.slice(1).map((t, i) => t - round[i]).sort((a, b) => a - b);
  const median = intervals[intervals.length >> 1], longest = intervals.at(-1);
  let raw = 0, packed = 0;
  for (const file of fs.readdirSync(site)) {
    const bytes = fs.readFileSync(path.join(site, file));
    raw += bytes.length;
    packed += zlib.gzipSync(bytes, { level: 9 }).length;
  }
  console.log(`Frames during a round: ${intervals.length} intervals, median ${median.toFixed(1)} ms,` +
    ` longest ${longest.toFixed(1)} ms (after its first second)`);
  console.log(`Download: ${(raw / 1024).toFixed(0)} KiB, ${(packed / 1024).toFixed(0)} KiB gzipped`);
  console.log(`First frame: ${firstFrame.toFixed(0)} ms after the page began loading`);
  require(median <= 20 && longest <= 100, 'frames too slow');
  require(raw < 1.5e6 && packed < 9e5, 'download too large');
  require(firstFrame <= 2000, 'first frame too late');
  status = 0;
} catch (error) {
  console.log('FAILED: ' + error.message); console.log(JSON.stringify(loads));
} finally {
  await browser.close();
  server.kill();
}
console.log(status ? '0 passed, 1 failed' : '1 passed, 0 failed');
process.exit(status);
