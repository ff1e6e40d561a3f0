// What Emscripten's SDL 1.2 port (3.1.6) leaves out or does otherwise than the
// SDL the game is written for. Surfaces there are canvases holding RGBA pixels.
mergeInto(LibraryManager.library, {
  // The port ignores colour keys. A canvas blit leaves out transparent pixels,
  // so the pixels of the key's colour become transparent, once, when it is set.
  SDL_SetColorKey: function(surf, flag, key) {
    var data = SDL.surfaces[surf];
    if (!(flag & 0x20000 /* SDL_SRCCOLORKEY */) || !data.width || !data.height) return 0;
    var image = data.ctx.getImageData(0, 0, data.width, data.height);
    var pixels = new Uint32Array(image.data.buffer);
    for (var i = 0; i < pixels.length; i++) {
      if (((pixels[i] ^ key) & 0xffffff) == 0) pixels[i] = 0;
    }
    data.ctx.putImageData(image, 0, 0);
    return 0;
  },

  // The port frees handle 0 too, and then hands out 0, which reads as a failure.
  SDL_FreeRW: function(rwopsID) {
    SDL.rwops[rwopsID] = null;
    while (SDL.rwops.length > 1 && SDL.rwops[SDL.rwops.length - 1] === null) SDL.rwops.pop();
  },

  // Text is drawn by the canvas in the web font registered under the file's
  // name (prelude.js), in a picture sized as SDL_ttf sizes it: the font's
  // ascender and descender in pixels, each rounded up, and one more row; the
  // baseline at the ascent. Empty text renders nothing, as with SDL_ttf.
  TTF_RenderText_Solid: function(font, text, color) {
    var fontData = SDL.fonts[font];
    text = UTF8ToString(text);
    if (!fontData || !text) return 0;
    var context = SDL.ttfContext;
    context.font = SDL.makeFontString(fontData.size, fontData.name);
    var metrics = context.measureText(text);
    var ascent = Math.ceil(fontData.size * Module.fontMetrics.ascender);
    var height = ascent - Math.ceil(fontData.size * Module.fontMetrics.descender) + 1;
    var width = Math.ceil(Math.max(metrics.width, metrics.actualBoundingBoxRight));
    var surf = SDL.makeSurface(width, height, 0, false, 'text:' + text);
    var canvas = SDL.surfaces[surf].ctx;
    canvas.font = context.font;
    canvas.fillStyle = SDL.loadColorToCSSRGB(color);
    canvas.fillText(text, 0, ascent);
    return surf;
  },

  // Missing from the port. Every sound of the game plays at full volume, the
  // mixer channels' volume there; the chunk's own volume is only kept.
  Mix_VolumeChunk: function(chunk, volume) {
    var info = SDL.audios[chunk];
    if (!info) return -1;
    var previous = info.volume === undefined ? 128 : info.volume;
    if (volume >= 0) info.volume = Math.min(volume, 128);
    return previous;
  },

  // Browsers list empty places for pads as null; only pads really there count.
  SDL_NumJoysticks: function() {
    return Array.prototype.filter.call(SDL.getGamepads(), Boolean).length;
  },
});
