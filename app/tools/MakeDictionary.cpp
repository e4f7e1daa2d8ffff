// Builds dic.txt from a hunspell word list with the engine's default options:
//     make_dictionary <word list .dic> <dic.txt>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "dictionary/DictionaryWriter.h"
#include "HunspellWordList.h"

namespace {

// Written beside the target and moved over it, so a failed run never leaves a partial dictionary.
void WriteDictionaryFile(const std::vector<std::wstring>& words, const std::filesystem::path& target) {
    std::filesystem::path partial = target;
    partial += L".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        zarvanta::WriteDictionary(zarvanta::AbjadEngine(), words, out);
        out.close();
        if (!out) throw std::runtime_error("cannot write " + partial.string());
    }
    std::filesystem::remove(target);
    std::filesystem::rename(partial, target);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: make_dictionary <word list .dic> <dic.txt>\n", stderr);
        return 2;
    }
    try {
        const auto words = zarvanta::ReadHunspellWords(argv[1]);
        WriteDictionaryFile(words, argv[2]);
        std::printf("%zu records written\n", words.size());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_dictionary: %s\n", error.what());
        return 1;
    }
}
