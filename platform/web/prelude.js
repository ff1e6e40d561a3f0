// Made ready before the game starts (WebPlatform.cpp): the game's font, and
// high.dat in the browser's storage.

// Every surface is a canvas, read back whenever the game locks it or blits
// onto it: canvases kept in memory make that cheap.
var getContext = HTMLCanvasElement.prototype.getContext;
HTMLCanvasElement.prototype.getContext = function(type, options) {
  if (type == '2d') options = Object.assign({ willReadFrequently: true }, options);
  return getContext.call(this, type, options);
};

// The game's font becomes a web font under the name the game opens it by;
// the canvas then draws every text in it. Its ascender and descender in ems
// (from its hhea and head tables) size the text's pictures as SDL_ttf does.
async function registerGameFont() {
  var bytes = FS.readFile('/fonts/artbrush.ttf');
  var font = new DataView(bytes.buffer, bytes.byteOffset), tables = {};
  for (var i = 0; i < font.getUint16(4); i++) {
    var entry = 12 + 16 * i;
    tables[String.fromCharCode.apply(null, bytes.subarray(entry, entry + 4))] =
      font.getUint32(entry + 8);
  }
  var em = font.getUint16(tables.head + 18);
  Module.fontMetrics = { ascender: font.getInt16(tables.hhea + 4) / em,
                         descender: font.getInt16(tables.hhea + 6) / em };
  document.fonts.add(await new FontFace('fonts/artbrush.ttf', bytes).load());
}

// high.dat is kept in a folder stored in IndexedDB: copied from there to the
// game's folder before the game starts, and back after every file the game
// closes after writing it (the game rewrites high.dat whole, through a new file
// renamed over it, after each admitted result). Without storage, or with
// damaged storage, the game finds no high.dat, or what could be read of it, and
// reports and falls back as it does natively.
var GAME_FILE = '/high.dat', SAVED_FILE = '/save/high.dat';
var storage = { busy: false, again: false };

function syncStorage(populate) {
  return new Promise(function(done) {
    FS.syncfs(populate, function(error) {
      if (error) err('The browser\'s storage failed: ' + (error.message || error));
      done();
    });
  });
}

function copyFile(from, to) {
  try {
    if (FS.analyzePath(from).exists) FS.writeFile(to, FS.readFile(from));
  } catch (error) {
    err('high.dat could not be copied to ' + to + ': ' + (error.message || error));
  }
}

async function writeBackStorage() {
  if (storage.busy) return void (storage.again = true);
  storage.busy = true;
  do {
    storage.again = false;
    copyFile(GAME_FILE, SAVED_FILE);
    await syncStorage(false);
  } while (storage.again);
  storage.busy = false;
}

async function openStorage() {
  FS.mkdir('/save');
  FS.mount(IDBFS, {}, '/save');
  await syncStorage(true);
  copyFile(SAVED_FILE, GAME_FILE);
  var close = FS.close;
  FS.close = function(stream) {
    close(stream);
    // Once the game's current step is over: a rename may finish the save.
    if (stream.path.startsWith(GAME_FILE) && (stream.flags & 3)) setTimeout(writeBackStorage);
  };
}

Module.prepareStart = function() {
  return Promise.all([registerGameFont(), openStorage()]);
};
