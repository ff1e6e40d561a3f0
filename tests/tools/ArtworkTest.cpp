// Checks the generated pictures and sounds as the game will load them: from the
// game folder, through SDL_image, SDL_ttf and SDL_mixer on this machine.

#include "artgen/KeyboardLayout.h"
#include "media/Sprite.h"
#include "support/ScreenTest.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cmath>
#include <set>

namespace {

struct Rgb {
    int r, g, b;
    bool isCyan() const { return r == 0 && g == 255 && b == 255; }
    double distanceToCyan() const {
        return std::sqrt(double(r * r + (255 - g) * (255 - g) + (255 - b) * (255 - b)));
    }
};

// A picture file's colours, read through its own pixel format.
class Picture {
public:
    explicit Picture(const std::string& path) : surface(IMG_Load(path.c_str())) {}
    bool loaded() const { return surface != nullptr; }
    int w() const { return surface->w; }
    int h() const { return surface->h; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w() && y < h(); }
    Uint32 raw(int x, int y) const { return Sprite::getPixel(surface.get(), x, y); }
    Rgb at(int x, int y) const {
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(raw(x, y), surface->format, &r, &g, &b);
        return {r, g, b};
    }

    SurfacePtr surface;
};

// Menu buttons sit centred in a 160 x 120 quarter, and the play button also in
// the bottom right corner clear of the plus buttons centred on x = 177.
const struct PictureRule {
    const char* path;
    int minWidth, maxWidth, minHeight, maxHeight;
    bool keyed; // cyan marks the parts that are not drawn
} PICTURES[] = {
    {"images/vrel_icon.bmp", 32, 32, 32, 32, true},
    {"images/splash-brenvik.png", 200, 320, 120, 240, false},
    {"images/splash-tolvane.png", 200, 320, 120, 240, false},
    {"images/playbutton.png", 80, 116, 60, 100, true},
    {"images/challengebutton.png", 80, 116, 60, 100, true},
    {"images/highscoresbutton.png", 80, 116, 60, 100, true},
    {"images/exitbutton.png", 80, 116, 60, 100, true},
    {"images/minus.png", 24, 36, 24, 36, true},
    {"images/plus.png", 24, 36, 24, 36, true},
    {"images/target.png", 56, 64, 56, 64, true},
    {"images/bwbg.png", 321, 2048, 241, 2048, false},
    {"images/rwbg.png", 321, 2048, 241, 2048, false},
    {"images/rwbg2.png", 321, 2048, 241, 2048, false},
    {"images/keyboard.png", 160, 320, 60, 160, false},
};

TEST(Artwork, EveryPictureFitsWhereTheGamePutsItAndKeepsItsColourKeyClean) {
    for (const PictureRule& rule : PICTURES) {
        SCOPED_TRACE(rule.path);
        const Picture picture(rule.path);
        ASSERT_TRUE(picture.loaded()) << IMG_GetError();
        EXPECT_TRUE(picture.w() >= rule.minWidth && picture.w() <= rule.maxWidth);
        EXPECT_TRUE(picture.h() >= rule.minHeight && picture.h() <= rule.maxHeight);
        // No colour the 16-bit screen would take for the key: such pixels
        // would vanish or show as holes.
        int strays = 0;
        for (int y = 0; y < picture.h(); ++y)
            for (int x = 0; x < picture.w(); ++x) {
                const Rgb p = picture.at(x, y);
                const bool looksCyan = p.r >> 3 == 0 && p.g >> 2 == 63 && p.b >> 3 == 31;
                strays += looksCyan && !(rule.keyed && p.isCyan()) ? 1 : 0;
            }
        EXPECT_EQ(strays, 0);
        if (!rule.keyed)
            continue;
        const int right = picture.w() - 1, bottom = picture.h() - 1;
        EXPECT_TRUE(picture.at(0, 0).isCyan() && picture.at(right, 0).isCyan() &&
                    picture.at(0, bottom).isCyan() && picture.at(right, bottom).isCyan());
        EXPECT_FALSE(picture.at(picture.w() / 2, picture.h() / 2).isCyan());
        // An outline smoothed towards the key colour shows on screen as a teal
        // halo: a pixel on the edge must be no nearer to cyan than the pixel
        // just inside it.
        int tinted = 0;
        for (int y = 0; y < picture.h(); ++y)
            for (int x = 0; x < picture.w(); ++x)
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const Rgb edge = picture.at(x, y);
                    if (edge.isCyan() || !picture.inside(x - dx, y - dy) ||
                        !picture.inside(x + dx, y + dy) || !picture.at(x - dx, y - dy).isCyan() ||
                        picture.at(x + dx, y + dy).isCyan())
                        continue;
                    const double inner = picture.at(x + dx, y + dy).distanceToCyan();
                    tinted += edge.distanceToCyan() < inner - 40.0 ? 1 : 0;
                }
        EXPECT_EQ(tinted, 0);
    }
}

// The game reads the map unconverted: each pixel holds its key's code, 0
// between keys, exactly where the keyboard picture shows the key.
TEST(Artwork, TheKeyMapHoldsEveryKeysCodeUnderItsCap) {
    const Picture picture("images/keyboard.png");
    const Picture map("images/keyboardmap.bmp");
    ASSERT_TRUE(picture.loaded() && map.loaded()) << IMG_GetError();
    ASSERT_EQ(map.surface->format->BytesPerPixel, 4);
    EXPECT_EQ(map.w(), picture.w());
    EXPECT_EQ(map.h(), picture.h());
    EXPECT_LE(picture.w(), 320);

    const std::vector<artgen::Key> keys = artgen::keyboardLayout();
    std::set<Uint32> codes;
    int wrong = 0;
    // The caps are light on a dark panel: if the map were shifted or upside
    // down against the picture, its keys would land on the panel.
    double light[2] = {0.0, 0.0};
    int count[2] = {0, 0};
    for (int y = 0; y < map.h(); ++y) {
        for (int x = 0; x < map.w(); ++x) {
            Uint32 wanted = 0;
            for (const artgen::Key& key : keys)
                if (x >= key.x && x < key.x + key.w && y >= key.y && y < key.y + key.h)
                    wanted = Uint32(key.code);
            const Uint32 value = map.raw(x, y);
            wrong += value != wanted ? 1 : 0;
            codes.insert(value);
            const Rgb p = picture.at(x, y);
            light[value != 0] += p.r + p.g + p.b;
            count[value != 0] += 1;
        }
    }
    EXPECT_EQ(wrong, 0);
    for (const char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 \b\r"))
        EXPECT_EQ(codes.count(Uint32(static_cast<unsigned char>(c))), 1u) << "code " << int(c);
    EXPECT_LT(*codes.rbegin(), 128u) << "only plain character codes, no alpha or colour bits";
    ASSERT_TRUE(count[0] > 0 && count[1] > 0);
    EXPECT_GT(light[1] / count[1], 2.0 * light[0] / count[0]);
}

// Sounds, through the mixer as the game opens it.
class ArtworkSounds : public ScreenTest {};

TEST_F(ArtworkSounds, AreShortAndLoudButUnclipped) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0) << Mix_GetError();
    ASSERT_EQ(format, AUDIO_S16SYS);
    for (const char* file : {"sounds/shot.wav", "sounds/miss.wav"}) {
        const Mix_Chunk* chunk = chunkOf(file); // as the game loads it
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        const double seconds = double(chunk->alen / (2u * Uint32(channels))) / frequency;
        EXPECT_TRUE(seconds > 0.05 && seconds < 0.5) << file << ": " << seconds << " s";
        const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        int peak = 0;
        for (Uint32 i = 0; i < chunk->alen / 2; ++i)
            peak = std::max(peak, std::abs(int(samples[i])));
        EXPECT_GT(peak, 32767 / 4) << file << ": loud enough to hear";
        EXPECT_LT(peak, 32000) << file << ": below clipping";
    }
}

// The brush font is copied, not drawn; the high-score table needs ten lines of
// it at size 18 to fit the screen.
TEST(Artwork, TenHighScoreLinesFitAtSize18) {
    ASSERT_EQ(TTF_Init(), 0) << TTF_GetError(); // counted, so it pairs with the quit below
    TTF_Font* font = TTF_OpenFont("fonts/artbrush.ttf", 18);
    ASSERT_NE(font, nullptr) << TTF_GetError();
    EXPECT_LE(TTF_FontLineSkip(font), 23);
    EXPECT_LE(TTF_FontHeight(font), 23);
    TTF_CloseFont(font);
    TTF_Quit();
}

} // namespace
