// kiova-tool's usage and error messages, written in English and marked for lupdate;
// translations/kiova_ja.ts gives them in Japanese. What scripts read stays as written: JSON,
// the lines of `check`'s report and summary, the field names of `info`, `match`'s results and
// the messages of the libraries underneath.
#pragma once

#include "Translation.h"

namespace kiova::tool {

// --help; each command's synopsis follows, as written.
inline constexpr TUiText kToolUsage{
    QT_TRANSLATE_NOOP("kiova", "usage: kiova-tool COMMAND [ARGS...]\n\ncommands:\n")};
// %1: the command's synopsis.
inline constexpr TUiText kToolCommandUsage{QT_TRANSLATE_NOOP("kiova", "usage: kiova-tool %1")};
// %1: the command as given.
inline constexpr TUiText kToolUnknownCommand{QT_TRANSLATE_NOOP("kiova", "unknown command \"%1\"")};

// Usage errors. %1: the option or argument as given.
inline constexpr TUiText kToolUnknownOption{QT_TRANSLATE_NOOP("kiova", "unknown option \"%1\"")};
inline constexpr TUiText kToolUnexpectedArgument{
    QT_TRANSLATE_NOOP("kiova", "unexpected argument \"%1\"")};
inline constexpr TUiText kToolNeedsValue{QT_TRANSLATE_NOOP("kiova", "%1 needs a value")};
// %1: the command; %2: the arguments it lacks, in the synopsis's words.
inline constexpr TUiText kToolNeedsArguments{QT_TRANSLATE_NOOP("kiova", "%1 needs %2")};
// %1: the command.
inline constexpr TUiText kToolNeedsPackage{QT_TRANSLATE_NOOP("kiova", "%1 needs a PACKAGE")};
inline constexpr TUiText kToolPictureNeedsFile{QT_TRANSLATE_NOOP("kiova", "picture needs a FILE")};
// %1: the value as given.
inline constexpr TUiText kToolBadNow{
    QT_TRANSLATE_NOOP("kiova", "--now needs \"yyyy/mm/dd hh:nn:ss\", not \"%1\"")};
inline constexpr TUiText kToolBadProfile{QT_TRANSLATE_NOOP(
    "kiova",
    "--user needs six lines joined by {BR} (surname, first name, handle name, nickname, empty "
    "or \"Female\", birthday), the first four not empty")};
inline constexpr TUiText kToolBadMask{
    QT_TRANSLATE_NOOP("kiova", "--mask needs a number from 0 to 255")};
// %1: the code as given.
inline constexpr TUiText kToolUnknownCode{QT_TRANSLATE_NOOP("kiova", "unknown code \"%1\"")};
inline constexpr TUiText kToolBatchTakesNoOperands{
    QT_TRANSLATE_NOOP("kiova", "--batch reads PATTERN and TEXT from standard input")};
inline constexpr TUiText kToolNeedsPatternAndText{
    QT_TRANSLATE_NOOP("kiova", "expected PATTERN and TEXT")};
inline constexpr TUiText kToolBadHex{
    QT_TRANSLATE_NOOP("kiova", "--hex needs PATTERN and TEXT as pairs of hexadecimal digits")};

// Failures. %1: a file or package as given.
inline constexpr TUiText kToolMissing{QT_TRANSLATE_NOOP("kiova", "%1 does not exist")};
inline constexpr TUiText kToolCannotRead{QT_TRANSLATE_NOOP("kiova", "cannot read %1")};
inline constexpr TUiText kToolCannotWrite{QT_TRANSLATE_NOOP("kiova", "cannot write %1")};
inline constexpr TUiText kToolNotEnciphered{QT_TRANSLATE_NOOP("kiova", "%1 is not enciphered")};
// %1: the input file or kToolTheKey; %2, %3: line and column; %4: the byte in hexadecimal.
inline constexpr TUiText kToolUncipherableByte{QT_TRANSLATE_NOOP(
    "kiova",
    "%1:%2:%3: byte %4 cannot be enciphered (only bytes 0x20 to 0xFF can); nothing written")};
inline constexpr TUiText kToolTheKey{QT_TRANSLATE_NOOP("kiova", "the key")};
// %1: the encoding.
inline constexpr TUiText kToolKeyNotInEncoding{QT_TRANSLATE_NOOP(
    "kiova",
    "the key cannot be written in %1, the character's encoding (--package PACKAGE names the "
    "character); nothing written")};
inline constexpr TUiText kToolBadEncoding{
    QT_TRANSLATE_NOOP("kiova", "--to needs utf-8 or shift_jis, not \"%1\"")};
// %1: a package.
inline constexpr TUiText kToolNoCharacter{
    QT_TRANSLATE_NOOP("kiova", "%1 is no character: neither \"name\" nor \"folder\" has a value")};
// %1: the output folder; %2: the character's data folder.
inline constexpr TUiText kToolOutputInsideData{
    QT_TRANSLATE_NOOP("kiova", "%1 lies inside the character's data folder %2; nothing written")};
// %1: a data file.
inline constexpr TUiText kToolBehindLink{QT_TRANSLATE_NOOP(
    "kiova",
    "%1 lies behind a symbolic link to a folder and cannot be converted; nothing written")};
// %1: a file of the character that is no regular file.
inline constexpr TUiText kToolNotCopied{
    QT_TRANSLATE_NOOP("kiova", "%1 is not a regular file; not copied")};
// %1: how many problems; %2: the encoding.
inline constexpr TUiText kToolConversionProblems{
    QT_TRANSLATE_NOOP("kiova", "%1 problem(s) converting to %2; nothing written")};
// %1: the output folder.
inline constexpr TUiText kToolOutputNotEmpty{
    QT_TRANSLATE_NOOP("kiova", "%1 exists and is not an empty folder; nothing written")};
// %1: a folder; %2: why.
inline constexpr TUiText kToolCannotCreate{
    QT_TRANSLATE_NOOP("kiova", "cannot create %1: %2; nothing written")};
// %1: the character set.
inline constexpr TUiText kToolNoConversion{
    QT_TRANSLATE_NOOP("kiova", "no conversion from UTF-8 to %1")};

}  // namespace kiova::tool
