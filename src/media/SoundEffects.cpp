// The sound effects of the ResourceManager: each file is loaded on its first
// play, kept, and played on the first free mixer channel.
#include "media/ResourceManager.h"

#include "app/Logger.h"

Mix_Chunk* ResourceManager::loadSound(const std::string& file) {
    if (file.empty())
        return nullptr;
    auto cached = sounds.find(file);
    if (cached != sounds.end())
        return cached->second;

    Mix_Chunk* chunk = nullptr;
    if (SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb"))
        chunk = Mix_LoadWAV_RW(stream, 1);
    if (chunk == nullptr) {
        Logger::stream(0) << "ERROR: can't load sound '" << file << "' - " << SDL_GetError()
                          << std::endl;
        return nullptr;
    }
    sounds[file] = chunk;
    return chunk;
}

bool ResourceManager::playSound(const std::string& file, int times) {
    Mix_Chunk* chunk = loadSound(file);
    if (chunk != nullptr) {
        Mix_VolumeChunk(chunk, volume * 2 < MIX_MAX_VOLUME ? volume * 2 : MIX_MAX_VOLUME);
        if (Mix_PlayChannelTimed(-1, chunk, times - 1, -1) != -1)
            return true;
    }
    Logger::stream(0) << "Cannot play sound '" << file << "' - "
                      << (chunk != nullptr ? SDL_GetError() : "sound file couldn't be load")
                      << std::endl;
    return false;
}
