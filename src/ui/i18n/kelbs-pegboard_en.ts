<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pl_PL">
<context>
    <name>Controls</name>
    <message>
        <source>Pozostało :</source>
        <translation>Pegs left :</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Zapisz Ruchy</source>
        <translation>Save Moves</translation>
    </message>
    <message>
        <source>Odtwórz</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Mata</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>Odtwórz </source>
        <translation>Replay </translation>
    </message>
    <message>
        <source>szybko</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>średnio</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>wolno</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wygląd planszy</source>
        <translation>Board look</translation>
    </message>
    <message>
        <source>Jakaś mata lub coś</source>
        <translation>Some mat or other</translation>
    </message>
    <message>
        <source>Zastosuj</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Zapisz ruchy</source>
        <translation>Save moves</translation>
    </message>
    <message>
        <source>Plik z zapisem ruchów</source>
        <translation>File for the moves</translation>
    </message>
    <message>
        <source>Plansza</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Obrazki pól</source>
        <translation>Tile pictures</translation>
    </message>
    <message>
        <source>Pole bez otworu</source>
        <translation>Cell without a hole</translation>
    </message>
    <message>
        <source>Pusty otwór</source>
        <translation>Empty hole</translation>
    </message>
    <message>
        <source>Pion</source>
        <translation>Peg</translation>
    </message>
    <message>
        <source>Wybrany pion</source>
        <translation>Selected peg</translation>
    </message>
    <message>
        <source>Pliki z ruchami</source>
        <translation>Move files</translation>
    </message>
    <message>
        <source>Pliki wyglądu planszy</source>
        <translation>Board look files</translation>
    </message>
    <message>
        <source>Nazwa wyglądu planszy</source>
        <translation>Board look name</translation>
    </message>
    <message>
        <source>Nazwa pliku z ruchami</source>
        <translation>Move file name</translation>
    </message>
</context>
<context>
    <name>GameWords</name>
    <message>
        <source>Pozostało: %1</source>
        <translation>Pegs left: %1</translation>
    </message>
    <message>
        <source>pion, zaznaczony</source>
        <translation>peg, selected</translation>
    </message>
    <message>
        <source>pion</source>
        <translation>peg</translation>
    </message>
    <message>
        <source>pusta dziurka</source>
        <translation>empty hole</translation>
    </message>
    <message>
        <source>poza planszą</source>
        <translation>off the board</translation>
    </message>
    <message>
        <source>kolumna %1, rząd %2: %3</source>
        <translation>column %1, row %2: %3</translation>
    </message>
    <message>
        <source>podpowiedź: z kolumny %1, rzędu %2 na kolumnę %3, rząd %4</source>
        <translation>hint: from column %1, row %2 to column %3, row %4</translation>
    </message>
    <message>
        <source>Z tej pozycji nie da się już zostawić jednego piona w środku</source>
        <translation>From this position one peg can no longer be left in the centre</translation>
    </message>
    <message>
        <source>Z tej pozycji nie da się już zostawić jednego piona</source>
        <translation>From this position one peg can no longer be left</translation>
    </message>
    <message>
        <source>Koniec gry: został jeden pion, w środku planszy</source>
        <translation>Game over: one peg is left, in the centre of the board</translation>
    </message>
    <message>
        <source>Koniec gry: został jeden pion, w polu, które na początku było puste. Wygrana doskonała!</source>
        <translation>Game over: one peg is left, in the hole that was empty at the start. A perfect win!</translation>
    </message>
    <message>
        <source>Koniec gry: został jeden pion. Wygrana!</source>
        <translation>Game over: one peg is left. A win!</translation>
    </message>
    <message>
        <source>Koniec gry: nie ma już żadnego ruchu. Pozostało pionów: %1</source>
        <translation>Game over: no move is left. Pegs left: %1</translation>
    </message>
    <message>
        <source>Nie wiadomo: w 0,2 s nie udało się ani znaleźć wygranej, ani dowieść, że jej nie ma</source>
        <translation>Unknown: in 0.2 s no win was found, nor a proof that there is none</translation>
    </message>
    <message>
        <source>Kliknij pole, które ma być puste na początku (Esc: powrót do gry)</source>
        <translation>Click the hole to be empty at the start (Esc: back to the game)</translation>
    </message>
    <message>
        <source>Gdy na początku puste jest pole w kolumnie %1, rzędzie %2, nie da się zostawić jednego piona. Wybierz inne pole.</source>
        <translation>With the hole in column %1, row %2 empty at the start, one peg cannot be left. Choose another hole.</translation>
    </message>
    <message>
        <source>wygrana doskonała</source>
        <translation>perfect win</translation>
    </message>
    <message>
        <source>wygrana</source>
        <translation>won</translation>
    </message>
    <message>
        <source>da się wygrać</source>
        <translation>can be won</translation>
    </message>
    <message>
        <source>przegrana</source>
        <translation>lost</translation>
    </message>
    <message>
        <source>nie wiadomo</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>Krzyż</source>
        <translation>Cross</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Kominek</source>
        <translation>Fireplace</translation>
    </message>
    <message>
        <source>Piramida</source>
        <translation>Pyramid</translation>
    </message>
    <message>
        <source>Strzała</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Romb</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>%1, puste pole: kolumna %2, rząd %3</source>
        <translation>%1, empty hole: column %2, row %3</translation>
    </message>
    <message>
        <source>Gra centralna</source>
        <translation>Central game</translation>
    </message>
    <message>
        <source>Angielska</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Francuska</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Plansza angielska, wybrane puste pole…</source>
        <translation>English board, chosen empty hole…</translation>
    </message>
    <message>
        <source>Plansza francuska, wybrane puste pole…</source>
        <translation>French board, chosen empty hole…</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>folder gry</source>
        <translation>the game&apos;s folder</translation>
    </message>
    <message>
        <source>folder %1</source>
        <translation>the folder %1</translation>
    </message>
    <message>
        <source>to nie jest zwykły plik</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>plik jest zbyt duży</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>to jest folder, nie plik</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>nazwa jest za długa</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>część ścieżki nie jest folderem</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>zbyt wiele dowiązań symbolicznych w ścieżce</source>
        <translation>too many symbolic links in the path</translation>
    </message>
    <message>
        <source>błąd wejścia-wyjścia dysku</source>
        <translation>a disk input/output error</translation>
    </message>
    <message>
        <source>zbyt wiele otwartych plików</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>za mało pamięci</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>nieoczekiwany błąd systemu (nr %1)</source>
        <translation>an unexpected system error (no. %1)</translation>
    </message>
    <message>
        <source>„%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>wiersz %1, pozycja %2: </source>
        <translation>line %1, item %2: </translation>
    </message>
    <message>
        <source>wiersz %1: plik kończy się przed pozycją %2</source>
        <translation>line %1: the file ends before item %2</translation>
    </message>
    <message>
        <source>%1 nie jest liczbą całkowitą</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>liczba %1 przekracza zakres od -32768 do 32767</source>
        <translation>the number %1 is outside the range -32768 to 32767</translation>
    </message>
    <message>
        <source>brak nagłówka, plik zaczyna się od liczby %1</source>
        <translation>no header, the file starts with the number %1</translation>
    </message>
    <message>
        <source>liczba pozostałych pionów wynosi %1, poza zakresem od 1 do %2</source>
        <translation>the number of pegs left is %1, outside the range 1 to %2</translation>
    </message>
    <message>
        <source>nieznane zadanie %1; ta wersja gry zna zadania wymienione w menu „Zadanie”</source>
        <translation>unknown problem %1; this version of the game knows the problems listed in the “Problem” menu</translation>
    </message>
    <message>
        <source>kolumna pola startowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7</source>
        <translation>the from column in move %1 is %2, outside the range 1 to 7</translation>
    </message>
    <message>
        <source>rząd pola startowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7</source>
        <translation>the from row in move %1 is %2, outside the range 1 to 7</translation>
    </message>
    <message>
        <source>kolumna pola docelowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7</source>
        <translation>the to column in move %1 is %2, outside the range 1 to 7</translation>
    </message>
    <message>
        <source>rząd pola docelowego w ruchu %1 wynosi %2, poza zakresem od 1 do 7</source>
        <translation>the to row in move %1 is %2, outside the range 1 to 7</translation>
    </message>
    <message>
        <source> (licznik %1 wymaga %2 ruchów, pełnych ruchów w pliku: %3)</source>
        <translation> (the counter %1 needs %2 moves, whole moves in the file: %3)</translation>
    </message>
    <message>
        <source>plik nie istnieje</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>brak uprawnień do odczytu pliku</source>
        <translation>no permission to read the file</translation>
    </message>
    <message>
        <source>folder gry już nie istnieje</source>
        <translation>the game&apos;s folder no longer exists</translation>
    </message>
    <message>
        <source>%1 nie istnieje</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>nie można zapisywać w: %1 (brak uprawnień)</source>
        <translation>cannot write in %1 (no permission)</translation>
    </message>
    <message>
        <source>nie podano nazwy pliku</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>nazwy zaczynające się od %1 są zastrzeżone dla plików tymczasowych gry</source>
        <translation>names starting with %1 are kept for the game&apos;s temporary files</translation>
    </message>
    <message>
        <source>plik jest tylko do odczytu</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>brak uprawnień do zapisu pliku</source>
        <translation>no permission to write the file</translation>
    </message>
    <message>
        <source>dysk jest tylko do odczytu</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>brak miejsca na dysku</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>przekroczony przydział miejsca na dysku</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>plik przekroczyłby dopuszczalny rozmiar</source>
        <translation>the file would exceed the size allowed</translation>
    </message>
    <message>
        <source>folder nie istnieje</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source> (plik wyglądu ma pięć pozycji: nazwę i cztery obrazki)</source>
        <translation> (a look file has five items: a name and four pictures)</translation>
    </message>
    <message>
        <source>to nie jest obrazek w formacie, który gra umie odczytać</source>
        <translation>it is not a picture in a format the game can read</translation>
    </message>
    <message>
        <source>obrazek jest uszkodzony</source>
        <translation>the picture is damaged</translation>
    </message>
    <message>
        <source>błąd odczytu obrazka</source>
        <translation>an error reading the picture</translation>
    </message>
    <message>
        <source>nie udało się odczytać obrazka</source>
        <translation>the picture could not be read</translation>
    </message>
    <message>
        <source>obrazek jest zbyt duży (%1 × %2 pikseli): w tym formacie gra wczytuje obrazki do %3 pikseli, na przykład %4 × %4</source>
        <translation>the picture is too large (%1 × %2 pixels): in this format the game reads pictures of up to %3 pixels, for example %4 × %4</translation>
    </message>
    <message>
        <source>obrazek jest zbyt duży (%1 × %2 pikseli): z obrazka PNG gra wczytuje górne wiersze, do %3 pikseli, na przykład %4 × %5</source>
        <translation>the picture is too large (%1 × %2 pixels): of a PNG picture the game reads the top rows, up to %3 pixels, for example %4 × %5</translation>
    </message>
    <message>
        <source>nie można wczytać obrazka %1 %2: %3</source>
        <translation>cannot load the picture of the %1 %2: %3</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku %1: %2.</source>
        <translation>Cannot read the file %1: %2.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest plikiem wyglądu planszy.
%2</source>
        <translation>The file %1 is not a board look file.
%2</translation>
    </message>
    <message>
        <source>Nie można zastosować wyglądu z pliku %1.
%2</source>
        <translation>Cannot apply the look from the file %1.
%2</translation>
    </message>
    <message>
        <source>Podaj nazwę pliku, do którego mają trafić ruchy.</source>
        <translation>Type the name of the file the moves should go to.</translation>
    </message>
    <message>
        <source>Nie zapisano ruchów do pliku %1: %2.</source>
        <translation>The moves were not saved to the file %1: %2.</translation>
    </message>
    <message>
        <source>
Wcześniejszy plik o tej nazwie jest nietknięty.</source>
        <translation>
The earlier file of that name is untouched.</translation>
    </message>
    <message>
        <source>Nie udało się przygotować folderu gracza w katalogu domowym. Gra działa w folderze %1, który nie jest miejscem na trwałe zapisy: zapisane tu ruchy mogą zniknąć albo się nie zapisać. Aby je zachować, podaj przy zapisie pełną ścieżkę do własnego folderu.</source>
        <translation>The player&apos;s folder in the home folder could not be set up. The game runs in the folder %1, which is no place for lasting saves: moves saved here may vanish or fail to save. To keep them, give the full path to a folder of your own when you save.</translation>
    </message>
    <message>
        <source>Pliku %1 nie można odtworzyć.
%2</source>
        <translation>The file %1 cannot be replayed.
%2</translation>
    </message>
    <message>
        <source>Odtwarzanie zatrzymane: ruchu nr %1 (%2, %3 → %4, %5) nie można wykonać w tej pozycji.</source>
        <translation>Replay stopped: move no. %1 (%2, %3 → %4, %5) cannot be made in this position.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Brak pliku pomocy&lt;/h2&gt;&lt;p&gt;Nie można odczytać pliku &lt;b&gt;%1&lt;/b&gt; w folderze gry:&lt;br&gt;%2&lt;br&gt;(%3)&lt;/p&gt;&lt;p&gt;Plik pomocy powinien leżeć w folderze, z którego uruchomiono grę.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;No help file&lt;/h2&gt;&lt;p&gt;Cannot read the file &lt;b&gt;%1&lt;/b&gt; in the game&apos;s folder:&lt;br&gt;%2&lt;br&gt;(%3)&lt;/p&gt;&lt;p&gt;The help file should be in the folder the game was started in.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>pola bez otworu</source>
        <translation>cell without a hole</translation>
    </message>
    <message>
        <source>pustego otworu</source>
        <translation>empty hole</translation>
    </message>
    <message>
        <source>wybranego piona</source>
        <translation>selected peg</translation>
    </message>
    <message>
        <source>piona</source>
        <translation>peg</translation>
    </message>
    <message>
        <source>Zapis ruchów</source>
        <translation>Saving moves</translation>
    </message>
    <message>
        <source>Wygląd planszy</source>
        <translation>Board look</translation>
    </message>
    <message>
        <source>Odtwarzanie ruchów</source>
        <translation>Replaying moves</translation>
    </message>
    <message>
        <source>Folder gry</source>
        <translation>Game folder</translation>
    </message>
    <message>
        <source>Pomoc – Kelb&apos;s Pegboard</source>
        <translation>Help – Kelb&apos;s Pegboard</translation>
    </message>
    <message>
        <source>(folder gry już nie istnieje)</source>
        <translation>(the game&apos;s folder no longer exists)</translation>
    </message>
    <message>
        <source>pegit.html</source>
        <extracomment>The help page&apos;s file name: each language has its own page.</extracomment>
        <translation>pegit-en.html</translation>
    </message>
</context>
<context>
    <name>peg::GameWindow</name>
    <message>
        <source>&amp;Gra</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Nowa gra</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>&amp;Zakończ</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Cofnij</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Ponów</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Po&amp;dpowiedź</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Zadanie</source>
        <translation>&amp;Problem</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelb&apos;s Pegboard&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Samotnik: gra dla jednej osoby na krzyżu z 33 dziurek i na planszy francuskiej z 37, w której piony przeskakują jeden drugi, aż zostanie jak najmniej.&lt;/p&gt;&lt;p&gt;Licencja MIT.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Kelb&apos;s Pegboard&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Peg solitaire: a game for one on the 33-hole cross and the 37-hole French board, in which pegs jump one another until as few as possible are left.&lt;/p&gt;&lt;p&gt;MIT licence.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>peg::Kelbor</name>
    <message>
        <source>Dokończ &amp;grę</source>
        <translation>&amp;Finish Game</translation>
    </message>
    <message>
        <source>Pokazuj, czy można &amp;wygrać</source>
        <translation>Show Whether It Can Be &amp;Won</translation>
    </message>
    <message>
        <source>Kelb&apos;s Pegboard – %1</source>
        <translation>Kelb&apos;s Pegboard – %1</translation>
    </message>
</context>
</TS>
