// The browser build played in Debian's Chromium with real pointer and touch events, as the
// native end-to-end scenario plays it: the main menu and the setup screen against the native
// build's frames, a free round won by a click, the challenge's level 1 passed and level 2
// failed and a name typed, all by touch, the list, a reload, the list, Exit, a new start.
// Arguments: the site's folder, the native frames' folder, a folder for screenshots.
import { chromium } from 'playwright-core';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import zlib from 'node:zlib';

const [site, nativeFrames, artifacts] = process.argv.slice(2);
const ASIDE = [0, 191]; // no target, key or flying button is ever there: a press ends a wait
const white = (c) => Math.min(...c) >= 200, red = (c) => c[0] - Math.max(c[1], c[2]) >= 50;
const lit = (shot, rect) => shot.points(rect, (c) => Math.max(...c) > 24).length;
const MENU_BUTTONS = { // resting on the middles of the screen's quarters, 112 x 84 each
  play: [[80, 60], (c) => c[1] > Math.max(c[0], c[2]) + 30],
  challenge: [[240, 60], (c) => c[0] > c[1] + 30 && c[1] > c[2] + 30],
  high: [[80, 180], (c) => c[2] > Math.max(c[0], c[1]) + 30],
  exit: [[240, 180], (c) => c[0] > c[1] + 50 && Math.abs(c[1] - c[2]) < 20],
};
let lastSeen = ''; // what a check saw last, for the report when it never passes
let scale; // the page's pixels a game pixel

const require = (condition, message) => { if (!condition) throw new Error(message); };

class Shot { // the game's 320 x 240 picture, three bytes a pixel
  constructor(rgb) { this.rgb = rgb; }
  at(x, y) { return [...this.rgb.subarray(3 * (320 * y + x), 3 * (320 * y + x) + 3)]; }
  points([left, top, w, h], test) { // those of a rectangle, as far as it is on the screen
    const found = [];
    for (let y = Math.max(top, 0); y < Math.min(top + h, 240); y++)
      for (let x = Math.max(left, 0); x < Math.min(left + w, 320); x++)
        if (test(this.at(x, y))) found.push([x, y]);
    return found;
  }
}

function nativeFrame(name) { // 24 bits a pixel, rows bottom up, blue first
  const data = fs.readFileSync(path.join(nativeFrames, name + '.bmp'));
  const start = data.readUInt32LE(10);
  return new Shot(new Uint8Array(320 * 240 * 3).map((_, i) =>
    data[start + (239 - (i / 960 | 0)) * 960 + 3 * ((i / 3 | 0) % 320) + 2 - i % 3]));
}

const menuAtRest = (shot) => Object.values(MENU_BUTTONS).every(([[x, y], test]) =>
  shot.points([x - 56, y - 42, 112, 84], test).length > 0.6 * 112 * 84);
const levelHeading = (shot) => shot.points([0, 0, 320, 40], red).length > 30 &&
  !shot.points([0, 40, 320, 200], red).length && shot.points([0, 40, 320, 200], white).length > 30;
const target = (area, size) => (shot) => { // a target in area, once size wide; gives its centre
  const found = shot.points(area, red), xs = found.map((p) => p[0]), ys = found.map((p) => p[1]);
  const [left, right, top, bottom] = [xs, ys].flatMap((v) => [Math.min(...v), Math.max(...v)]);
  if (found.length && Math.min(right - left, bottom - top) + 1 >= size)
    return [(left + right) >> 1, (top + bottom) >> 1];
};

// A frame against the native build's (16 bits a pixel): every browser pixel comes
// down to the native one in the 5 bits of red and blue and 6 of green the display
// keeps. The canvas draws text anti-aliased, so in text areas (the native frame's
// light pixels grown by 3 pixels) only the light pixels count: those of both frames
// overlap by 40% of their union at least.
const BITS = [3, 2, 3], everywhere = [0, 0, 320, 240];
const light = (c) => Math.min(...c) >= 128 && Math.max(...c) - Math.min(...c) <= 40;
const sameAsNative = (native, hasText) => (shot) => {
  const text = new Uint8Array(320 * 240);
  for (const [x, y] of hasText ? native.points(everywhere, light) : [])
    for (const [u, v] of native.points([x - 3, y - 3, 7, 7], () => true)) text[320 * v + u] = 1;
  let off = 0, both = 0, either = 0;
  for (let i = 0; i < 320 * 240; i++) {
    const [a, b] = [shot.at(i % 320, i / 320 | 0), native.at(i % 320, i / 320 | 0)];
    if (!text[i]) off += a.some((v, c) => v >> BITS[c] !== b[c] >> BITS[c]);
    both += text[i] && light(a) && light(b);
    either += text[i] && (light(a) || light(b));
  }
  lastSeen = `: ${off} pixels unlike the native ones` +
    (hasText ? `, text overlapping by ${(both / either).toFixed(2)}` : '');
  return off === 0 && (!hasText || both >= 0.4 * either);
};

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--disable-gpu', '--disable-quic'] });
const page = await browser.newPage({ viewport: { width: 1000, height: 760 }, hasTouch: true });
const server = spawn('python3', ['-um', 'http.server', '0', '--bind', '127.0.0.1', '-d', site]);
const origin = await new Promise((found) => server.stdout.on('data', (line) =>
  /port (\d+)/.test(line) && found(`http://127.0.0.1:${/port (\d+)/.exec(line)[1]}`)));
const problems = [], loads = [], fetched = new Set();
page.on('pageerror', (error) => problems.push('page error: ' + error.message));
page.on('requestfailed', (request) => problems.push('failed request: ' + request.url()));
page.on('response', (r) => r.status() < 400 ? fetched.add(new URL(r.url()).pathname)
  : problems.push(`${r.status()}: ${r.url()}`));
page.on('request', (r) => new URL(r.url()).origin === origin // blob: URLs too
  || problems.push('request to another host: ' + r.url()));
page.on('framenavigated', () => loads.push({ warning: '', log: '' }));
page.on('console', (message) => { // warnings: the game's standard error; logs: its output
  const type = message.type(), load = loads.at(-1);
  if (type === 'error') problems.push('console error: ' + message.text());
  if (Object.hasOwn(load, type)) load[type] += message.text() + '\n';
});
// The times of the browser's frames that show a new picture of the game; the
// page's audio contexts and the sounds they played.
await page.addInitScript(() => {
  Object.assign(window, { gameFrames: [], audioContexts: [], soundsPlayed: 0 });
  const Context = window.AudioContext, start = AudioBufferSourceNode.prototype.start;
  window.AudioContext = class extends Context {
    constructor(options) { super(options); audioContexts.push(this); } };
  AudioBufferSourceNode.prototype.start = function (...when) {
    return soundsPlayed++, start.apply(this, when); };
  requestAnimationFrame(function look(time, shown = 0) {
    const now = (window.Module && Module.picturesShown) || 0;
    if (now !== shown) gameFrames.push(time);
    requestAnimationFrame((next) => look(next, now));
  });
});

const canvas = page.locator('#canvas');
const shot = async () => new Shot(Buffer.from(await canvas.evaluate((inside) => inside
  .getContext('2d').getImageData(0, 0, 320, 240).data.filter((_, i) => i % 4 < 3))));
// A pixel's middle clicked or tapped (how); Playwright measures from inside the canvas's border.
const press = async ([x, y], how = 'click') => {
  scale ??= await canvas.evaluate((inside) => inside.clientWidth / 320);
  await canvas[how]({ position: { x: (x + 0.5) * scale, y: (y + 0.5) * scale } });
};
const picture = (name) => page.screenshot({ path: path.join(artifacts, name + '.png') });
// Looks, for 25 s at most, until check(shot) gives something true, and gives that.
// A picture that stays as it was is pressed at aside, once a second at most. A page
// stuck in a game loop that never hands control back answers nothing: no waiting then.
const until = async (description, check, aside) => {
  lastSeen = '';
  const late = sleep(25000, null, { ref: false }).then(() => {
    throw new Error(`25 s without ${description}${lastSeen}`);
  });
  for (let pressed = 0, before; ; await page.waitForTimeout(50)) {
    const now = await Promise.race([shot(), late]);
    const result = await Promise.race([check(now), late]);
    if (result) {
      console.log(`${(performance.now() / 1000).toFixed(1).padStart(5)} s  ${description}`);
      return result;
    }
    if (aside && before?.rgb.equals(now.rgb) && Date.now() > pressed + 1000) {
      await press(aside);
      pressed = Date.now();
    }
    before = now;
  }
};
const choose = (name) => press(MENU_BUTTONS[name][0]);
const highScores = async () => { // white text on black; ADA 7 the first, a short name
  await choose('high');
  const names = await until('the high score list', (s) => {
    const found = s.points([146, 0, 174, 240], white);
    return found.length > 500 && !s.points(everywhere,
      (c) => Math.max(...c) - Math.min(...c) > 24).length && found;
  });
  const first = Math.max(...names.filter(([, y]) => y < names[0][1] + 15).map(([x]) => x));
  const widest = Math.max(...names.map(([x]) => x));
  require(first < widest - 40, `ADA 7 is not first: its line ends at ${first}, of ${widest}`);
  await picture('list');
  await until('the main menu', menuAtRest, ASIDE);
};
// high.dat as stored in IndexedDB; damaged, an entry that is no file.
const stored = (damage) => page.evaluate((damage) => new Promise((done) => {
  indexedDB.open('/save').onsuccess = (opened) => {
    const files = opened.target.result.transaction('FILE_DATA', 'readwrite')
      .objectStore('FILE_DATA'), name = '/save/high.dat';
    const asked = damage ? files.put({ timestamp: new Date() }, name) : files.get(name);
    asked.onsuccess = () => done(String.fromCharCode(...asked.result?.contents ?? []));
  };
}), damage);

try {
  await page.goto(origin);
  await until('the main menu at rest, as natively', sameAsNative(nativeFrame('main-menu-rest')));
  const firstFrame = await page.evaluate(() => gameFrames[0]);
  await picture('menu');
  await choose('play');
  await until('sound from the one audio context, running', () => page.evaluate(() =>
    audioContexts.length === 1 && audioContexts[0].state === 'running' && soundsPlayed > 0));
  await until('the setup screen at rest, as natively',
    sameAsNative(nativeFrame('play-setup-rest'), true));
  // 10 rounds down to 1 on the rounds' minus, "checker 3" on the third plus, then start.
  for (const [button, times] of [[[25, 144], 9], [[177, 224], 3], [[264, 198], 1]])
    for (let i = 0; i < times; i++) await press(button);
  // The round's frames from a second after its target shows to 2.5 s after.
  await until("player 2's target", target([160, 0, 160, 240], 4));
  const shown = await page.evaluate(() => performance.now());
  await page.waitForFunction((from) => gameFrames.at(-1) > from + 2500, shown);
  const round = await page.evaluate((from) => gameFrames.filter((t) => t > from + 1000), shown);
  await picture('round');
  await press(await until("player 2's target grown", target([160, 0, 160, 240], 58)));
  await until("player 2's cell white, player 1's not", (s) => [0, 160].map((x) =>
    s.points([x, 0, 160, 240], white).length > 0.6 * 160 * 240).join() === 'false,true');
  await until('the main menu', menuAtRest, ASIDE);

  await choose('challenge');
  await until("level 1's objective", levelHeading);
  await until("level 1's game", (s) => lit(s, everywhere) < 400, ASIDE);
  await press(await until("level 1's target", target(everywhere, 12)), 'tap');
  await until("level 2's objective: level 1 passed", levelHeading, ASIDE);
  await until("level 2's game", (s) => lit(s, everywhere) < 400, ASIDE);
  // A full-grown target gives a point or a few, short of the 15 asked for.
  await press(await until("level 2's target grown", target(everywhere, 58)), 'tap');
  await until('the keyboard', (s) => lit(s, [0, 118, 320, 122]) > 37000, ASIDE);
  await picture('keyboard');
  // A on its bottom right pixel, D on its top left one, the gap between A and S, A,
  // space and 7 in their middles, and end on its bottom right pixel: a pixel further,
  // and a press falls between the keys, beside the keyboard or on a key.
  for (const key of [[46, 189], [81, 168], [47, 179], [31, 179], [143, 227], [207, 131],
    [318, 237]]) await press(key, 'tap');
  await until('the main menu', menuAtRest);
  await until('high.dat of 1 level, ADA 7 and defaults stored', async () =>
    /^1\n\d+\nADA 7\n(0\n0\nworst player ever\n){10}$/.test(await stored()));
  await highScores();

  await page.reload();
  await until('the main menu after a reload', menuAtRest);
  await highScores();
  await choose('exit');
  await stored(true); // the new start finds the storage damaged
  await Promise.all([page.waitForEvent('load'),
    page.getByText('Start again').click({ timeout: 25000 })]);
  await until('the main menu of a new start', menuAtRest);

  const start = '=== BRENVIK 0.2 by Tolvane ===\nLogging is disabled\n';
  require(new RegExp(`^${start}ERROR: can't load high scores!\n(ERROR: Can't render text!\n)+$`)
    .test(loads[0].warning), "the first start's errors are not a missing high.dat's");
  require(loads.length === 3 && loads[1].warning === start + '\n', 'a start with high.dat ' +
    'stored reported more than the banner, or Exit more than a line end');
  require(loads[2].warning === "The browser's storage failed: node type not supported\n" + start +
    "ERROR: can't load high scores!\n", 'damaged storage is not reported as a missing high.dat');
  require(/^Joysticks found: 0$/m.test(loads[0].log), 'pads that are not there');
  require(fetched.has('/icon.png') && await page.title() === 'Brenvik by Tolvane', 'icon, title');
  require(!problems.length, problems.join('\n'));

  const intervals = round.slice(1).map((t, i) => t - round[i]).sort((a, b) => a - b);
  const [median, longest] = [intervals[intervals.length >> 1], intervals.at(-1)];
  const files = fs.readdirSync(site).map((file) => fs.readFileSync(path.join(site, file)));
  const [raw, packed] = [(b) => b, (b) => zlib.gzipSync(b, { level: 9 })]
    .map((size) => files.reduce((sum, bytes) => sum + size(bytes).length, 0));
  console.log(`Frames during a round: ${intervals.length} intervals, median ${median.toFixed(1)}` +
    ` ms, longest ${longest.toFixed(1)} ms (after its first second)\nDownload: ${raw} bytes, ` +
    `${packed} gzipped\nFirst frame: ${firstFrame.toFixed(0)} ms after the page began to load`);
  require(median <= 20 && longest <= 100, 'frames too slow');
  require(raw < 1.5e6 && packed < 9e5, 'download too large');
  require(firstFrame <= 2000, 'first frame too late');
  console.log('1 passed, 0 failed');
} catch (error) {
  console.log('FAILED: ' + error.message + '\n' + JSON.stringify(loads, null, 1));
  await page.screenshot({ path: path.join(artifacts, 'failed.png') }).catch(() => {});
  console.log('0 passed, 1 failed');
  process.exitCode = 1;
} finally {
  await browser.close();
  server.kill();
}
