// Every interface text, category name and book name of the program, in English
// and in Chinese. The odd spellings ("Jeremaih", "Do u still want ...") are the
// program's own and stay as they are.
#include "text/TextTable.h"

#include <QHash>

#include <algorithm>

namespace {

struct Entry {
    qint16 id;
    const char *english;
    const char *chinese;
};

// Each row holds an English text under its identifier and the Chinese one under
// identifier + 10000.
constexpr Entry kEntries[] = {
    // Interface texts
    {1, "OK", "確定"},
    {2, "Next", "下一句"},
    {3, "Add", "輸入"},
    {4, "Reset", "重整"},
    {5, "Option", "選項"},
    {6, "Search", "搜尋"},
    {7, "About", "關於"},
    {8, "Did you know ...", "你知不知道 ..."},
    {9, "Versedawn Of The Day", "每日金句"},
    {10, "Version", "版本"},
    {11, "Programmer:", "程式設計員:"},
    {12, "Special Thanks To:", "特別鳴謝:"},
    {16, "Book", "書卷"},
    {17, "Chapter", "章"},
    {18, "Select a Category", "選擇類別"},
    {19, "To", "至"},
    {20, "Exit", "離開"},
    {26, "OT", "舊約"},
    {27, "NT", "新約"},
    {28, "records", "紀錄"},
    {29, "Word", "節"},
    {30, "Tip Edit", "更改"},
    {31, "Save", "儲存"},
    {32, "No", "否"},
    {33, "Yes", "可"},
    {34, "Modify", "更改"},
    {35, "Similar tip(s) found", "找到近似金句"},
    {36, "Show Tips at StartUp", "開機時顯示金句"},
    {37, "Show Tips in Random", "隋機顯示金句"},
    {38, "Show Tips Every Day at", "每天顯示金句"},
    {39, "Versedawn Option", "每日金句選項"},
    {40, "Versedawn Search", "每日金句搜尋"},
    {41, "Search From a Category", "以類別搜尋"},
    {42, "Search From a Book", "以書卷搜尋"},
    {43, "Search Category", "以類別搜尋"},
    {44, "Search Book", "以書卷搜尋"},
    {45, "Copy This", "拷貝此句"},
    {46, "Copy All", "拷貝所有"},
    {49, "Category", "類別"},
    {50, "Book Name", "書卷名稱"},
    {51, "Please Select a Book", "請選譯書卷"},
    {52, "Invalid Chapter", "錯誤章數"},
    {53, "Invalid (From) Range", "錯誤起始節數"},
    {54, "Invalid (To) Range", "錯誤結尾節數"},
    {55, "Is this correct?", "是否正確?"},
    {56, "is already running", "已經運作"},
    {57, "Cancel", "取消"},
    {58, "Tip saved!", "金句已儲存"},
    {59, "Save Error!", "儲存錯誤!"},
    {60, "Add", "加入"},
    {61, "No Category!", "沒有類別!"},
    {62, "The tip(s) above is/are similar to the one you entered!", "以上是近似你剛剛輸入的金句!"},
    {63, "Do u still want to add the tip to the database?", "你是否仍然要加入金句?"},
    {64, "Edit Tip(s) above", "更改金句"},
    {65, "Invalid Time (0-23)", "錯誤時間 (0-23)"},
    {66, "Please enter the time (0-23)!", "請輸入時間 (0-23)!"},
    {67, "Print This Tip", "列印此句"},
    {68, "Print All Tips", "列印所有"},
    {69, "No Content!", "沒有內容!"},
    {72, "No tip for this category is found!", "找不到這類的金句!"},
    {73, "record(s)", "紀錄"},
    {74, "Error in printing!", "不能列印!"},
    {75, "Please check your printer!", "請檢查印表機!"},
    {76, "All tips are set to unread!", "所有金句已轉為未讀"},
    {77, "Interface Language", "介面語言"},
    {78, "English", "英文"},
    {79, "Chinese", "中文"},
    {80, "Please restart Versedawn", "請重新啟動此程式"},
    {81, "Font", "字體"},
    {82, "NONE", "無"},
    {83, "OR", "或"},
    {84, "AND", "和"},
    // Categories
    {500, "No Category", "沒有類別"},
    {501, "About Heaven", "關於天家"},
    {502, "Admonition", "教訓"},
    {503, "Anger", "忿怒"},
    {504, "Believe", "相信"},
    {505, "Christian Living", "信徒生活"},
    {506, "Disbelief", "不信"},
    {507, "Faith", "信心"},
    {508, "Forgiveness", "原諒"},
    {509, "Freedom", "自由"},
    {510, "Giving to God", "奉獻"},
    {511, "God's Blessing", "神的祝福"},
    {512, "God's Grace", "神的恩典"},
    {513, "God's Inspiration", "神的啟示"},
    {514, "God's Love", "神的愛"},
    {515, "God's Protection", "神的保護"},
    {516, "God's Strength", "神的能力"},
    {517, "Leaving God", "離棄神"},
    {518, "Love", "愛"},
    {519, "Loving God", "愛神"},
    {520, "Obeying God", "遵從神"},
    {521, "Our Focus", "信徒的目標/方向"},
    {522, "Parenting", "關於父母"},
    {523, "Praising God", "讚美神"},
    {524, "Prayer", "禱告"},
    {525, "Promise of God", "神的應許"},
    {526, "Salvation", "神的拯救"},
    {527, "Serving God", "事奉神"},
    {528, "Trusting God", "信靠神"},
    {529, "Truth", "真理"},
    {530, "Wisdom", "智慧"},
    {531, "Others", "其他"},
    // Books of the Old Testament
    {901, "Genesis", "創世記"},
    {902, "Exodus", "出埃及記"},
    {903, "Leviticus", "利未記"},
    {904, "Numbers", "民數記"},
    {905, "Deuteronomy", "申命記"},
    {906, "Joshua", "約書亞記"},
    {907, "Judges", "士師記"},
    {908, "Ruth", "路得記"},
    {909, "1 Samuel", "撒母耳記上"},
    {910, "2 Samuel", "撒母耳記下"},
    {911, "1 Kings", "列王紀上"},
    {912, "2 Kings", "列王紀下"},
    {913, "1 Chronicles", "歷代志上"},
    {914, "2 Chronicles", "歷代志下"},
    {915, "Ezra", "以斯拉記"},
    {916, "Nehemiah", "尼希米記"},
    {917, "Esther", "以斯帖記"},
    {918, "Job", "約伯記"},
    {919, "Psalms", "詩篇"},
    {920, "Proverbs", "箴言"},
    {921, "Ecclesiastes", "傳道書"},
    {922, "Song of Songs", "雅歌"},
    {923, "Isaiah", "以賽亞書"},
    {924, "Jeremaih", "耶利米書"},
    {925, "Lamentations", "耶利米哀歌"},
    {926, "Ezekiel", "以西結書"},
    {927, "Daniel", "但以理書"},
    {928, "Hosea", "何西阿書"},
    {929, "Joel", "約珥書"},
    {930, "Amos", "阿摩司書"},
    {931, "Obadiah", "俄巴底亞書"},
    {932, "Jonah", "約拿書"},
    {933, "Micah", "彌迦書"},
    {934, "Nahum", "那鴻書"},
    {935, "Habakkuk", "哈巴谷書"},
    {936, "Zephaniah", "西番雅書"},
    {937, "Haggai", "哈該書"},
    {938, "Zechariah", "撒迦利亞書"},
    {939, "Malachi", "瑪拉基書"},
    // Books of the New Testament
    {940, "Matthew", "馬太福音"},
    {941, "Mark", "馬可福音"},
    {942, "Luke", "路加福音"},
    {943, "John", "約翰福音"},
    {944, "Acts", "使徒行傳"},
    {945, "Romans", "羅馬人書"},
    {946, "1 Corinthians", "哥林多前書"},
    {947, "2 Corinthians", "哥林多後書"},
    {948, "Galatians", "加拉太書"},
    {949, "Ephesians", "以弗所書"},
    {950, "Philippians", "腓立比書"},
    {951, "Colossians", "哥羅西書"},
    {952, "1 Thessalonians", "帖撤羅尼迦前書"},
    {953, "2 Thessalonians", "帖撤羅尼迦後書"},
    {954, "1 Timothy", "提摩太前書"},
    {955, "2 Timothy", "提摩太後書"},
    {956, "Titus", "提多書"},
    {957, "Philemon", "腓利門書"},
    {958, "Hebrews", "希伯來書"},
    {959, "James", "雅各書"},
    {960, "1 Peter", "彼得前書"},
    {961, "2 Peter", "彼得後書"},
    {962, "1 John", "約翰一書"},
    {963, "2 John", "約翰二書"},
    {964, "3 John", "約翰三書"},
    {965, "Jude", "猶大書"},
    {966, "Revelation", "啟示錄"},
};

} // namespace
namespace {

const QHash<qint16, QString> &table()
{
    static const QHash<qint16, QString> texts = [] {
        QHash<qint16, QString> built;
        for (const Entry &entry : kEntries) {
            built.insert(entry.id, QString::fromUtf8(entry.english));
            built.insert(static_cast<qint16>(entry.id + kChineseOffset), QString::fromUtf8(entry.chinese));
        }
        return built;
    }();
    return texts;
}

} // namespace

QString GetResString(qint16 id)
{
    return table().value(id);
}

QList<qint16> TextTable::identifiers()
{
    QList<qint16> ids = table().keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}
