#pragma once

// The one layout of a tip database. The program opens files of this shape and
// never creates them, so the maker and the benchmark take it from here.
// "From" and "To" are reserved words in SQLite and must stay quoted.
namespace TipSchema {
inline constexpr char CreateMain[] =
    "CREATE TABLE Main (Book INTEGER, Chapter INTEGER, \"From\" INTEGER, \"To\" INTEGER, "
    "Content TEXT, Category INTEGER, Read BOOLEAN)";
inline constexpr char InsertTip[] =
    "INSERT INTO Main (Book, Chapter, \"From\", \"To\", Content, Category, Read) "
    "VALUES (?, ?, ?, ?, ?, ?, 0)";
}
