#include "BenchTable.h"

#include "TipSchema.h"

#include <sqlite3.h>

#include <array>
#include <cctype>
#include <random>

namespace {

// Chapters per book, Genesis (901) to Revelation (966).
constexpr std::array<int, 66> ChaptersPerBook = {
    50, 40, 27, 36, 34, 24, 21, 4,  31, 24, 22, 25, 29, 36, 10, 13, 10, 42, 150, 31, 12, 8,
    66, 52, 5,  48, 12, 14, 3,  9,  1,  4,  7,  3,  3,  3,  2,  14, 4,  28, 16,  24, 21, 28,
    16, 16, 13, 6,  6,  4,  4,  5,  3,  6,  4,  3,  1,  13, 5,  5,  3,  5,  1,   1,  1,  22};

constexpr std::array<const char *, 48> Words = {
    "the",   "and",    "of",     "unto",   "LORD",   "he",      "that",   "shall", "to",      "in",
    "his",   "for",    "they",   "I",      "a",      "them",    "is",     "him",   "not",     "with",
    "be",    "all",    "thou",   "thy",    "was",    "which",   "my",     "God",   "said",    "their",
    "have",  "people", "house",  "heaven", "earth",  "mercy",   "peace",  "word",  "forever", "children",
    "bring", "spirit", "praise", "wisdom", "shepherd", "righteous", "light", "behold"};

std::string verseText(std::mt19937 &rng)
{
    std::uniform_int_distribution<std::size_t> lengthDraw(100, 200);
    std::uniform_int_distribution<std::size_t> wordDraw(0, Words.size() - 1);
    const std::size_t length = lengthDraw(rng);
    std::string text;
    std::size_t lastWordStart = 0;
    // Whole words up to the drawn length; the last one is dropped again when
    // it would run past 200 characters with the closing period.
    while (text.size() + 1 < length) {
        lastWordStart = text.size();
        if (!text.empty())
            text += (rng() % 9 == 0) ? ", " : " ";
        text += Words[wordDraw(rng)];
    }
    if (text.size() + 1 > 200)
        text.resize(lastWordStart);
    text += '.';
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace

std::string makeBenchTable(const std::string &path)
{
    sqlite3 *db = nullptr;
    std::string failure;
    auto check = [&](int rc) {
        if (rc != SQLITE_OK && rc != SQLITE_DONE && failure.empty())
            failure = sqlite3_errmsg(db);
        return failure.empty();
    };
    sqlite3_stmt *insert = nullptr;
    if (check(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr))
        && check(sqlite3_exec(db, TipSchema::CreateMain, nullptr, nullptr, nullptr))
        && check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr))
        && check(sqlite3_prepare_v2(db, TipSchema::InsertTip, -1, &insert, nullptr))) {
        const int chapterCount = 1189;
        const int baseVerses = BenchRowCount / chapterCount;
        const int extraVerses = BenchRowCount % chapterCount;
        std::mt19937 rng(20240601);
        int chapterIndex = 0;
        int swing = 0;
        for (int book = 0; book < 66 && failure.empty(); ++book) {
            for (int chapter = 1; chapter <= ChaptersPerBook[book] && failure.empty(); ++chapter, ++chapterIndex) {
                // Chapters vary in length in pairs, one longer and one shorter,
                // so the whole still comes to BenchRowCount verses.
                if (chapterIndex % 2 == 0)
                    swing = chapterIndex + 1 < chapterCount ? static_cast<int>(rng() % 15) : 0;
                const int verses = baseVerses + (chapterIndex < extraVerses ? 1 : 0)
                                 + (chapterIndex % 2 == 0 ? swing : -swing);
                for (int verse = 1; verse <= verses; ++verse) {
                    const std::string text = verseText(rng);
                    sqlite3_bind_int(insert, 1, 901 + book);
                    sqlite3_bind_int(insert, 2, chapter);
                    sqlite3_bind_int(insert, 3, verse);
                    sqlite3_bind_int(insert, 4, verse);
                    sqlite3_bind_text(insert, 5, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
                    sqlite3_bind_int(insert, 6, 500 + static_cast<int>(rng() % 32));
                    if (!check(sqlite3_step(insert)))
                        break;
                    sqlite3_reset(insert);
                }
            }
        }
        if (failure.empty() && chapterIndex != chapterCount)
            failure = "the chapter table does not add up";
        check(sqlite3_exec(db, failure.empty() ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr));
    }
    sqlite3_finalize(insert);
    sqlite3_close(db);
    return failure;
}
