// Checks the generated pictures and sounds as the game will load them: from the
// game folder, through SDL_image, SDL_ttf and SDL_mixer on this machine.

#include "artgen/KeyboardLayout.h"
#include "support/FakeSdl.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;

SurfacePtr load(const std::string& path) {
    return SurfacePtr(IMG_Load(path.c_str()), SDL_FreeSurface);
}

struct Rgb {
    int r;
    int g;
    int b;
};

bool isCyan(Rgb p) {
    return p.r == 0 && p.g == 255 && p.b == 255;
}

// What the 16-bit screen shows the same as the colour key.
bool looksCyanOnScreen(Rgb p) {
    return (p.r >> 3) == 0 && (p.g >> 2) == 63 && (p.b >> 3) == 31;
}

double distanceToCyan(Rgb p) {
    return std::sqrt(double(p.r * p.r + (255 - p.g) * (255 - p.g) + (255 - p.b) * (255 - p.b)));
}

// A loaded picture's colours, read through its own pixel format.
class Pixels {
public:
    explicit Pixels(SDL_Surface* s) : w(s->w), h(s->h), colours(std::size_t(s->w) * s->h) {
        SDL_LockSurface(s);
        const int bytes = s->format->BytesPerPixel;
        for (int y = 0; y < h; ++y) {
            const Uint8* row = static_cast<const Uint8*>(s->pixels) + std::ptrdiff_t(y) * s->pitch;
            for (int x = 0; x < w; ++x) {
                Uint32 value = 0;
                for (int i = 0; i < bytes; ++i) {
                    value |= Uint32(row[x * bytes + i]) << (8 * i);
                }
                Uint8 r = 0;
                Uint8 g = 0;
                Uint8 b = 0;
                SDL_GetRGB(value, s->format, &r, &g, &b);
                colours[std::size_t(y) * w + x] = Rgb{r, g, b};
            }
        }
        SDL_UnlockSurface(s);
    }

    Rgb at(int x, int y) const { return colours[std::size_t(y) * w + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }

    const int w;
    const int h;

private:
    std::vector<Rgb> colours;
};

// ---------------------------------------------------------------------------
// Every picture: loads, fits where the game puts it, and keeps its colour key clean.

struct PictureRule {
    const char* path;
    int minWidth;
    int maxWidth;
    int minHeight;
    int maxHeight;
    bool keyed; // cyan marks the parts that are not drawn
};

std::ostream& operator<<(std::ostream& out, const PictureRule& rule) {
    return out << rule.path;
}

// "images/splash-brenvik.png" becomes "splash_brenvik", for readable test names.
std::string nameOf(const std::string& path) {
    const std::size_t start = path.find('/') + 1;
    std::string name = path.substr(start, path.find('.') - start);
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name;
}

std::string pictureName(const ::testing::TestParamInfo<PictureRule>& info) {
    return nameOf(info.param.path);
}

// Menu buttons sit centred in a 160 x 120 quarter, and the play button also in
// the bottom right corner clear of the plus buttons centred on x = 177.
const PictureRule kPictures[] = {
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

class PictureTest : public ::testing::TestWithParam<PictureRule> {};

TEST_P(PictureTest, LoadsWithinItsSizeLimits) {
    const PictureRule& rule = GetParam();
    const SurfacePtr picture = load(rule.path);
    ASSERT_TRUE(picture) << IMG_GetError();
    EXPECT_GE(picture->w, rule.minWidth);
    EXPECT_LE(picture->w, rule.maxWidth);
    EXPECT_GE(picture->h, rule.minHeight);
    EXPECT_LE(picture->h, rule.maxHeight);
}

TEST_P(PictureTest, ShowsNoColourTheScreenWouldTakeForTheKey) {
    const PictureRule& rule = GetParam();
    const SurfacePtr picture = load(rule.path);
    ASSERT_TRUE(picture) << IMG_GetError();
    const Pixels pixels(picture.get());
    int strays = 0;
    for (int y = 0; y < pixels.h; ++y) {
        for (int x = 0; x < pixels.w; ++x) {
            const Rgb p = pixels.at(x, y);
            const bool allowedKey = rule.keyed && isCyan(p);
            strays += !allowedKey && looksCyanOnScreen(p) ? 1 : 0;
        }
    }
    EXPECT_EQ(strays, 0) << "pixels that would vanish or show as holes";
}

INSTANTIATE_TEST_SUITE_P(Artwork, PictureTest, ::testing::ValuesIn(kPictures), pictureName);

class KeyedPictureTest : public ::testing::TestWithParam<PictureRule> {};

TEST_P(KeyedPictureTest, HasCyanCornersAndASolidMiddle) {
    const SurfacePtr picture = load(GetParam().path);
    ASSERT_TRUE(picture) << IMG_GetError();
    const Pixels pixels(picture.get());
    const int right = pixels.w - 1;
    const int bottom = pixels.h - 1;
    EXPECT_TRUE(isCyan(pixels.at(0, 0)));
    EXPECT_TRUE(isCyan(pixels.at(right, 0)));
    EXPECT_TRUE(isCyan(pixels.at(0, bottom)));
    EXPECT_TRUE(isCyan(pixels.at(right, bottom)));
    EXPECT_FALSE(isCyan(pixels.at(pixels.w / 2, pixels.h / 2)));
}

// An outline smoothed towards the key colour shows on screen as a teal halo: a
// pixel on the edge must be no nearer to cyan than the pixel just inside it.
TEST_P(KeyedPictureTest, EdgesAreNotTintedTowardsTheKey) {
    const SurfacePtr picture = load(GetParam().path);
    ASSERT_TRUE(picture) << IMG_GetError();
    const Pixels pixels(picture.get());
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    int tinted = 0;
    for (int y = 0; y < pixels.h; ++y) {
        for (int x = 0; x < pixels.w; ++x) {
            const Rgb edge = pixels.at(x, y);
            for (const auto& step : steps) {
                const int ox = x - step[0];
                const int oy = y - step[1];
                const int ix = x + step[0];
                const int iy = y + step[1];
                if (isCyan(edge) || !pixels.inside(ox, oy) || !pixels.inside(ix, iy) ||
                    !isCyan(pixels.at(ox, oy)) || isCyan(pixels.at(ix, iy))) {
                    continue;
                }
                tinted += distanceToCyan(edge) < distanceToCyan(pixels.at(ix, iy)) - 40.0 ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(tinted, 0);
}

INSTANTIATE_TEST_SUITE_P(Artwork, KeyedPictureTest, ::testing::ValuesIn([] {
                             std::vector<PictureRule> keyed;
                             for (const PictureRule& rule : kPictures) {
                                 if (rule.keyed) {
                                     keyed.push_back(rule);
                                 }
                             }
                             return keyed;
                         }()),
                         pictureName);

// ---------------------------------------------------------------------------
// The on-screen keyboard and its map of character codes.

// The game reads the map unconverted, one 32-bit value per pixel.
Uint32 rawValue(const SDL_Surface* map, int x, int y) {
    const Uint8* row = static_cast<const Uint8*>(map->pixels) + std::ptrdiff_t(y) * map->pitch;
    Uint32 value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= Uint32(row[x * 4 + i]) << (8 * i);
    }
    return value;
}

const artgen::Key* keyAt(const std::vector<artgen::Key>& keys, int x, int y) {
    for (const artgen::Key& key : keys) {
        if (x >= key.x && x < key.x + key.w && y >= key.y && y < key.y + key.h) {
            return &key;
        }
    }
    return nullptr;
}

class ArtworkKeyboardMap : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(picture) << IMG_GetError();
        ASSERT_TRUE(map) << IMG_GetError();
        ASSERT_EQ(map->format->BytesPerPixel, 4);
    }

    SurfacePtr picture = load("images/keyboard.png");
    SurfacePtr map = load("images/keyboardmap.bmp");
    std::vector<artgen::Key> keys = artgen::keyboardLayout();
};

TEST_F(ArtworkKeyboardMap, MatchesThePictureInSizeAndFitsTheScreen) {
    EXPECT_EQ(map->w, picture->w);
    EXPECT_EQ(map->h, picture->h);
    EXPECT_LE(picture->w, 320);
}

TEST_F(ArtworkKeyboardMap, EveryKeyReadsItsCodeAtItsCentre) {
    for (const artgen::Key& key : keys) {
        EXPECT_EQ(rawValue(map.get(), key.x + key.w / 2, key.y + key.h / 2), Uint32(key.code))
            << "key " << key.label;
    }
}

TEST_F(ArtworkKeyboardMap, EveryPixelHoldsItsKeyOrZeroBetweenKeys) {
    int wrong = 0;
    for (int y = 0; y < map->h; ++y) {
        for (int x = 0; x < map->w; ++x) {
            const artgen::Key* key = keyAt(keys, x, y);
            wrong += rawValue(map.get(), x, y) != Uint32(key != nullptr ? key->code : 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(ArtworkKeyboardMap, OffersEveryCharacterOfANameAndTheEditingKeys) {
    std::set<Uint32> codes;
    for (int y = 0; y < map->h; ++y) {
        for (int x = 0; x < map->w; ++x) {
            codes.insert(rawValue(map.get(), x, y));
        }
    }
    std::string wanted = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
    wanted += char(8);  // delete
    wanted += char(13); // end
    for (const char c : wanted) {
        EXPECT_EQ(codes.count(Uint32(static_cast<unsigned char>(c))), 1u) << "code " << int(c);
    }
    for (const Uint32 code : codes) {
        EXPECT_LT(code, 128u) << "only plain character codes, no alpha or colour bits";
    }
}

// The caps are light on a dark panel: if the map were shifted or upside down
// against the picture, its keys would land on the panel.
TEST_F(ArtworkKeyboardMap, KeysOnTheMapLieOnTheCapsOfThePicture) {
    const Pixels pixels(picture.get());
    double onKeys = 0.0;
    double onGaps = 0.0;
    int keyCount = 0;
    int gapCount = 0;
    for (int y = 0; y < pixels.h; ++y) {
        for (int x = 0; x < pixels.w; ++x) {
            const Rgb p = pixels.at(x, y);
            const double light = p.r + p.g + p.b;
            if (rawValue(map.get(), x, y) != 0) {
                onKeys += light;
                ++keyCount;
            } else {
                onGaps += light;
                ++gapCount;
            }
        }
    }
    ASSERT_GT(keyCount, 0);
    ASSERT_GT(gapCount, 0);
    EXPECT_GT(onKeys / keyCount, 2.0 * (onGaps / gapCount));
}

// ---------------------------------------------------------------------------
// Sounds, through the mixer as the game opens it.

class SoundTest : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        fake::reset();
        if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
            startedAudio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        }
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
            openedMixer = Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) == 0;
        }
    }
    static void TearDownTestSuite() {
        if (openedMixer) {
            Mix_CloseAudio();
        }
        if (startedAudio) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        openedMixer = false;
        startedAudio = false;
    }

    static bool startedAudio;
    static bool openedMixer;
};

bool SoundTest::startedAudio = false;
bool SoundTest::openedMixer = false;

std::string soundName(const ::testing::TestParamInfo<const char*>& sound) {
    return nameOf(sound.param);
}

TEST_P(SoundTest, LoadsShortAndUnclipped) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0) << Mix_GetError();
    ASSERT_EQ(format, AUDIO_S16SYS);
    std::unique_ptr<Mix_Chunk, void (*)(Mix_Chunk*)> chunk(
        Mix_LoadWAV_RW(SDL_RWFromFile(GetParam(), "rb"), 1), Mix_FreeChunk);
    ASSERT_TRUE(chunk) << Mix_GetError();

    const std::size_t frames = chunk->alen / (2u * std::size_t(channels));
    const double seconds = double(frames) / frequency;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 0.5);

    const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
    int peak = 0;
    for (std::size_t i = 0; i < chunk->alen / 2; ++i) {
        peak = std::max(peak, std::abs(int(samples[i])));
    }
    EXPECT_GT(peak, 32767 / 4) << "loud enough to hear";
    EXPECT_LT(peak, 32000) << "below clipping";
}

INSTANTIATE_TEST_SUITE_P(Artwork, SoundTest,
                         ::testing::Values("sounds/shot.wav", "sounds/miss.wav"), soundName);

// ---------------------------------------------------------------------------
// The brush font is copied, not drawn; the high-score table needs ten lines of
// it at size 18 to fit the screen.

TEST(ArtworkFont, TenHighScoreLinesFitAtSize18) {
    ASSERT_EQ(TTF_Init(), 0) << TTF_GetError(); // counted, so it pairs with the quit below
    TTF_Font* font = TTF_OpenFont("fonts/artbrush.ttf", 18);
    ASSERT_NE(font, nullptr) << TTF_GetError();
    EXPECT_LE(TTF_FontLineSkip(font), 23);
    EXPECT_LE(TTF_FontHeight(font), 23);
    TTF_CloseFont(font);
    TTF_Quit();
}

} // namespace
