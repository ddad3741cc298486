// SPDX-License-Identifier: MIT
#include "words.h"

#include <cerrno>
#include <cstdint>

#include "game.h"
#include "gamefiles.h"
#include "translate.h"

namespace peg {

namespace {

// Windows-1250 bytes 0x80..0xFF as Unicode; 0xFFFD where the page has no letter.
constexpr char16_t CP1250_HIGH[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Length of the well-formed UTF-8 letter at s[i], or 0 when there is none.
std::size_t Utf8Length(const std::string &s, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = b(i);
    if (lead < 0x80)
        return 1;
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        len = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        len = 3;
        if (lead == 0xE0) lo = 0xA0;
        if (lead == 0xED) hi = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        len = 4;
        if (lead == 0xF0) lo = 0x90;
        if (lead == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + len > s.size() || b(i + 1) < lo || b(i + 1) > hi)
        return 0;
    for (std::size_t k = 2; k < len; ++k)
        if (b(i + k) < 0x80 || b(i + k) > 0xBF)
            return 0;
    return len;
}

bool IsUtf8(const std::string &s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t len = Utf8Length(s, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The code point of the valid UTF-8 letter of length len at s[i].
char32_t CodePoint(const std::string &s, std::size_t i, std::size_t len)
{
    const auto b = [&](std::size_t k) { return char32_t(static_cast<unsigned char>(s[i + k])); };
    switch (len) {
    case 1: return b(0);
    case 2: return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3: return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    default: return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    }
}

bool IsJunk(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFD || c == 0x2028 || c == 0x2029;
}

// 1048576 as Polish writes it: groups of three split by a no-break space,
// from five digits up.
std::string PolishNumber(long long n)
{
    const std::string digits = std::to_string(n);
    if (digits.size() < 5)
        return digits;
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += "\u00A0";
        out += digits[i];
    }
    return out;
}

std::string N(long long n) { return std::to_string(n); }

std::string FolderName(const FileError &error)
{
    return error.folder == "." ? translate("Words", "folder gry")
                               : Fill(translate("Words", "folder %1"), {Quoted(error.folder)});
}

// Errors that read the same whichever way the file was used.
std::string CommonText(const FileError &error)
{
    switch (error.code) {
    case ERR_NOT_REGULAR: return translate("Words", "to nie jest zwykły plik");
    case ERR_TOO_LARGE: return translate("Words", "plik jest zbyt duży");
    case EISDIR: return translate("Words", "to jest folder, nie plik");
    case ENAMETOOLONG: return translate("Words", "nazwa jest za długa");
    case ENOTDIR: return translate("Words", "część ścieżki nie jest folderem");
    case ELOOP: return translate("Words", "zbyt wiele dowiązań symbolicznych w ścieżce");
    case EIO: return translate("Words", "błąd wejścia-wyjścia dysku");
    case EMFILE:
    case ENFILE: return translate("Words", "zbyt wiele otwartych plików");
    case ENOMEM: return translate("Words", "za mało pamięci");
    default: return Fill(translate("Words", "nieoczekiwany błąd systemu (nr %1)"), {N(error.code)});
    }
}

} // namespace

std::string FileText(const std::string &bytes)
{
    if (IsUtf8(bytes))
        return bytes;
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c < 0x80 ? char32_t(c) : char32_t(CP1250_HIGH[c - 0x80]));
    }
    return out;
}

std::string ShownName(const std::string &bytes)
{
    // Only the start is ever shown: a megabyte-long name costs no more.
    std::size_t cut = 8 * MAX_QUOTED_CHARS;
    if (bytes.size() > cut)
        while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut;  // not inside a UTF-8 letter, or it would read as Windows-1250
    const std::string text = FileText(bytes.size() > cut ? bytes.substr(0, cut) : bytes);
    std::string out;
    std::size_t shown = 0;
    bool inJunk = false;  // a run of junk shows as one mark
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = Utf8Length(text, i);  // text is valid UTF-8 here
        const bool junk = IsJunk(CodePoint(text, i, len));
        if (!(junk && inJunk)) {
            if (shown == MAX_QUOTED_CHARS) {
                out += "\u2026";
                break;
            }
            if (junk)
                out += "\uFFFD";
            else
                out.append(text, i, len);
            ++shown;
        }
        inJunk = junk;
        i += len;
    }
    return out;
}

std::string Quoted(const std::string &bytes)
{
    return Fill(translate("Words", "„%1”"), {ShownName(bytes)});
}

std::string ItemPlace(int line, int item)
{
    return Fill(translate("Words", "wiersz %1, pozycja %2: "), {N(line), N(item)});
}

std::string FileEndsBeforeItemText(int line, int item)
{
    return Fill(translate("Words", "wiersz %1: plik kończy się przed pozycją %2"), {N(line), N(item)});
}

std::string NotAWholeNumberText(const std::string &item)
{
    return Fill(translate("Words", "%1 nie jest liczbą całkowitą"), {Quoted(item)});
}

std::string NumberOutOfRangeText(const std::string &item)
{
    return Fill(translate("Words", "liczba %1 przekracza zakres od -32768 do 32767"), {Quoted(item)});
}

std::string NoHeaderText(const std::string &firstItem)
{
    return Fill(translate("Words", "brak nagłówka, plik zaczyna się od liczby %1"), {Quoted(firstItem)});
}

std::string PegsLeftOutOfRangeText(int pegsLeft, int startPegs)
{
    return Fill(translate("Words", "liczba pozostałych pionów wynosi %1, poza zakresem od 1 do %2"),
                {N(pegsLeft), N(startPegs)});
}

std::string UnknownProblemText(const std::string &id)
{
    return Fill(translate("Words", "nieznane zadanie %1; ta wersja gry zna zadania wymienione w menu „Zadanie”"),
                {Quoted(id)});
}

std::string MoveEntryOutOfRangeText(int entry, int moveNumber, int value)
{
    static const char *const patterns[] = {
        QT_TRANSLATE_NOOP("Words", "kolumna pola startowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7"),
        QT_TRANSLATE_NOOP("Words", "rząd pola startowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7"),
        QT_TRANSLATE_NOOP("Words", "kolumna pola docelowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7"),
        QT_TRANSLATE_NOOP("Words", "rząd pola docelowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7")};
    return Fill(translate("Words", patterns[entry]), {N(moveNumber), N(value)});
}

std::string TooFewMovesText(int pegsLeft, int movesNeeded, std::size_t movesFound)
{
    return Fill(translate("Words", " (licznik %1 wymaga %2 ruchów, pełnych ruchów w pliku: %3)"),
                {N(pegsLeft), N(movesNeeded), N((long long)movesFound)});
}

std::string ReadFailureText(const FileError &error)
{
    switch (error.code) {
    case ENOENT: return translate("Words", "plik nie istnieje");
    case EACCES:
    case EPERM: return translate("Words", "brak uprawnień do odczytu pliku");
    default: return CommonText(error);
    }
}

std::string WriteFailureText(const FileError &error)
{
    if (error.atFolder) {
        switch (error.code) {
        case ENOENT:
            return error.folder == "." ? translate("Words", "folder gry już nie istnieje")
                                       : Fill(translate("Words", "%1 nie istnieje"), {FolderName(error)});
        case EACCES:
        case EPERM:
            return Fill(translate("Words", "nie można zapisywać w: %1 (brak uprawnień)"), {FolderName(error)});
        default: break;
        }
    }
    switch (error.code) {
    case ERR_NO_NAME: return translate("Words", "nie podano nazwy pliku");
    case ERR_RESERVED_NAME:
        return Fill(translate("Words", "nazwy zaczynające się od %1 są zastrzeżone dla plików tymczasowych gry"),
                    {Quoted(SAVE_TEMP_PREFIX)});
    case ERR_READ_ONLY: return translate("Words", "plik jest tylko do odczytu");
    case EACCES:
    case EPERM: return translate("Words", "brak uprawnień do zapisu pliku");
    case EROFS: return translate("Words", "dysk jest tylko do odczytu");
    case ENOSPC: return translate("Words", "brak miejsca na dysku");
    case EDQUOT: return translate("Words", "przekroczony przydział miejsca na dysku");
    case EFBIG: return translate("Words", "plik przekroczyłby dopuszczalny rozmiar");
    case ENOENT: return translate("Words", "folder nie istnieje");
    default: return CommonText(error);
    }
}

std::string LookFileShapeText()
{
    return translate("Words", " (plik wyglądu ma pięć pozycji: nazwę i cztery obrazki)");
}

std::string PictureFaultText(PictureFault fault)
{
    switch (fault) {
    case PictureFault::NotAPicture: return translate("Words", "to nie jest obrazek w formacie, który gra umie odczytać");
    case PictureFault::Damaged: return translate("Words", "obrazek jest uszkodzony");
    case PictureFault::ReadError: return translate("Words", "błąd odczytu obrazka");
    default: return translate("Words", "nie udało się odczytać obrazka");
    }
}

std::string PictureTooLargeText(int width, int height, long long maxPixels, int maxSide)
{
    return Fill(translate("Words", "obrazek jest zbyt duży (%1 × %2 pikseli): w tym formacie gra wczytuje obrazki "
                                   "do %3 pikseli, na przykład %4 × %4"),
                {N(width), N(height), PolishNumber(maxPixels), N(maxSide)});
}

std::string PngTooLargeText(int width, int height, long long maxPixels, int rows)
{
    return Fill(translate("Words", "obrazek jest zbyt duży (%1 × %2 pikseli): z obrazka PNG gra wczytuje górne "
                                   "wiersze, do %3 pikseli, na przykład %4 × %5"),
                {N(width), N(height), PolishNumber(maxPixels), PolishNumber(maxPixels / rows), N(rows)});
}

std::string PictureRefusedText(const char *role, const std::string &name, const std::string &why)
{
    return Fill(translate("Words", "nie można wczytać obrazka %1 %2: %3"),
                {translate("Words", role), Quoted(name), why});
}

std::string CannotReadFileText(const std::string &name, const std::string &why)
{
    return Fill(translate("Words", "Nie można odczytać pliku %1: %2."), {Quoted(name), why});
}

std::string NotALookFileText(const std::string &name, const std::string &why)
{
    return Fill(translate("Words", "Plik %1 nie jest plikiem wyglądu planszy.\n%2"), {Quoted(name), why});
}

std::string CannotApplyLookText(const std::string &name, const std::string &why)
{
    return Fill(translate("Words", "Nie można zastosować wyglądu z pliku %1.\n%2"), {Quoted(name), why});
}

std::string NoSaveNameText()
{
    return translate("Words", "Podaj nazwę pliku, do którego mają trafić ruchy.");
}

std::string SaveFailedText(const std::string &name, const std::string &why, bool earlier)
{
    std::string text = Fill(translate("Words", "Nie zapisano ruchów do pliku %1: %2."), {Quoted(name), why});
    if (earlier)
        text += translate("Words", "\nWcześniejszy plik o tej nazwie jest nietknięty.");
    return text;
}

std::string NoPlayerFolderText(const std::string &folder)
{
    return Fill(translate("Words", "Nie udało się przygotować folderu gracza w katalogu domowym. Gra działa w folderze "
                                   "%1, który nie jest miejscem na trwałe zapisy: zapisane tu ruchy mogą zniknąć albo "
                                   "się nie zapisać. Aby je zachować, podaj przy zapisie pełną ścieżkę do własnego "
                                   "folderu."),
                {Quoted(folder)});
}

std::string ReplayRefusedText(const std::string &name, const std::string &why)
{
    return Fill(translate("Words", "Pliku %1 nie można odtworzyć.\n%2"), {Quoted(name), why});
}

std::string ReplayStoppedText(int moveNumber, const Move &m)
{
    return Fill(translate("Words", "Odtwarzanie zatrzymane: ruchu nr %1 (%2, %3 → %4, %5) nie można wykonać w tej "
                                   "pozycji."),
                {N(moveNumber), N(m.fromCol), N(m.fromRow), N(m.toCol), N(m.toRow)});
}

std::string NoHelpPage(const std::string &file, const std::string &folder, const std::string &why)
{
    return Fill(translate("Words", "<h2>Brak pliku pomocy</h2><p>Nie można odczytać pliku <b>%1</b> w folderze gry:"
                                   "<br>%2<br>(%3)</p><p>Plik pomocy powinien leżeć w folderze, z którego uruchomiono "
                                   "grę.</p>"),
                {file, folder, why});
}

} // namespace peg
