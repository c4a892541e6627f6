<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Glimmerview: see the light effect before the chip does.</source>
        <translation>Glimmerview: den Lichteffekt sehen, bevor der Chip ihn zeigt.</translation>
    </message>
    <message>
        <source>Dynamic Glimmerview. FINAL Version.</source>
        <translation>Dynamic Glimmerview. FINAL-Version.</translation>
    </message>
    <message>
        <source>Dynamic Glimmerview program is designed for reading of </source>
        <translation>Das Programm Dynamic Glimmerview liest eine </translation>
    </message>
    <message>
        <source>16KBits binary file</source>
        <translation>16-KBit-Binärdatei,</translation>
    </message>
    <message>
        <source>which is used for programming 16K EEPROM Integrated Circuit (IC) by </source>
        <translation>mit der ein integrierter 16K-EEPROM-Schaltkreis (IC) </translation>
    </message>
    <message>
        <source>means of standard programmator.</source>
        <translation>über ein übliches Programmiergerät programmiert wird.</translation>
    </message>
    <message>
        <source>Main purpose of the program is to prevent IC from programming </source>
        <translation>Hauptzweck des Programms ist es, dank der Vorschau zu verhindern, </translation>
    </message>
    <message>
        <source>incorrect dynamic light effects due to preview mode.</source>
        <translation>dass falsche Lichteffekte in den IC programmiert werden.</translation>
    </message>
    <message>
        <source>General features:</source>
        <translation>Allgemeine Funktionen:</translation>
    </message>
    <message>
        <source>1. Continuous playback of the created effects in two following modes:</source>
        <translation>1. Fortlaufende Wiedergabe der erstellten Effekte in zwei Modi:</translation>
    </message>
    <message>
        <source>   - Single-page mode</source>
        <translation>   - Einzelseitenmodus</translation>
    </message>
    <message>
        <source>   - Multi-page mode</source>
        <translation>   - Mehrseitenmodus</translation>
    </message>
    <message>
        <source>2. Four selectable colors of dynamic lights string </source>
        <translation>2. Vier wählbare Farben der Lichterkette </translation>
    </message>
    <message>
        <source>   are available: RED, GREEN, BLUE, YELLOW.</source>
        <translation>   stehen zur Verfügung: ROT, GRÜN, BLAU, GELB.</translation>
    </message>
    <message>
        <source>sees the light before the chip does</source>
        <translation>sieht das Licht vor dem Chip</translation>
    </message>
    <message>
        <source>Idea and hardware</source>
        <translation>Idee und Hardware</translation>
    </message>
    <message>
        <source>the Glimmerview hardware bench</source>
        <translation>die Glimmerview-Hardwarewerkbank</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>the Glimmerview software desk</source>
        <translation>der Glimmerview-Softwaretisch</translation>
    </message>
    <message>
        <source>Pictures drawn pixel by pixel</source>
        <translation>Bilder Pixel für Pixel gezeichnet</translation>
    </message>
    <message>
        <source>With thanks to</source>
        <translation>Mit Dank an</translation>
    </message>
    <message>
        <source>every tester who sent an image</source>
        <translation>alle, die ein Abbild zum Testen schickten</translation>
    </message>
    <message>
        <source>every chip that lit up</source>
        <translation>jeden Chip, der aufleuchtete</translation>
    </message>
    <message>
        <source>every LED that stayed dark</source>
        <translation>jede LED, die dunkel blieb,</translation>
    </message>
    <message>
        <source>when it was meant to</source>
        <translation>wenn sie es sollte</translation>
    </message>
    <message>
        <source>Built with Qt and CMake</source>
        <translation>Gebaut mit Qt und CMake</translation>
    </message>
    <message>
        <source>on a quiet evening</source>
        <translation>an einem ruhigen Abend</translation>
    </message>
    <message>
        <source>Thank you for watching</source>
        <translation>Danke fürs Zuschauen</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Picture of an LED string</source>
        <translation>Bild einer LED-Kette</translation>
    </message>
    <message>
        <source>Glimmerview icon</source>
        <translation>Glimmerview-Symbol</translation>
    </message>
    <message>
        <source>3. Editing with undo, saving, and exports as a C array </source>
        <translation>3. Bearbeiten mit Rückgängig, Speichern und Export als C-Array </translation>
    </message>
    <message>
        <source>   or a picture; unsaved edits are kept for recovery.</source>
        <translation>   oder Bild; ungesicherte Änderungen bleiben wiederherstellbar.</translation>
    </message>
    <message>
        <source>4. An overview of all pages, and comparing two images.</source>
        <translation>4. Eine Übersicht aller Seiten und der Vergleich zweier Abbilder.</translation>
    </message>
    <message>
        <source>5. Reading, writing and verifying the chip itself, </source>
        <translation>5. Lesen, Schreiben und Prüfen des Chips selbst, </translation>
    </message>
    <message>
        <source>   with a backup and a read-back proof.</source>
        <translation>   mit Sicherung und Nachweis durch Zurücklesen.</translation>
    </message>
</context>
<context>
    <name>Ch341aChip</name>
    <message>
        <source>The programmer %1 sent %2 bytes of %3.</source>
        <translation>Der Programmer %1 hat %2 von %3 Bytes geschickt.</translation>
    </message>
    <message>
        <source>The programmer runs at 100 or 400 kHz, not %1.</source>
        <translation>Der Programmer läuft mit 100 oder 400 kHz, nicht mit %1.</translation>
    </message>
    <message>
        <source>A chip holds 1024 or 2048 bytes, not %1.</source>
        <translation>Ein Chip fasst 1024 oder 2048 Bytes, nicht %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no programmer: ch341a:BUS-ADDRESS, as lsusb numbers them.</source>
        <translation>„%1“ bezeichnet keinen Programmer: ch341a:BUS-ADRESSE, wie lsusb sie nummeriert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the programmer takes speed= and size=, each once (%2 is unknown or repeated).</source>
        <translation>„%1“: Der Programmer nimmt speed= und size=, jedes einmal (%2 ist unbekannt oder doppelt).</translation>
    </message>
</context>
<context>
    <name>ChipCommand</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The chip holds this image.</source>
        <translation>Der Chip enthält dieses Bild.</translation>
    </message>
    <message>
        <source>%1 chip pages to write (%2 bytes), pages that change: %3</source>
        <translation>%1 Chipseiten zu schreiben (%2 Bytes), Seiten, die sich ändern: %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Backup of the chip&apos;s old contents: %1</source>
        <translation>Sicherung des alten Chipinhalts: %1</translation>
    </message>
    <message>
        <source>more than %1 bytes</source>
        <translation>mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 holds %2, and an image for the chip holds exactly %3 (.bin and .bin16: 2048 bytes, two a row; .bin8: 1024, one a row). Nothing was touched.</source>
        <translation>%1 enthält %2, ein Bild für den Chip enthält genau %3 (.bin und .bin16: 2048 Bytes, zwei je Zeile; .bin8: 1024, eines je Zeile). Nichts wurde angetastet.</translation>
    </message>
    <message>
        <source>The chip has LEDs lit in the right half of a row on page %1, which a .bin8 file cannot hold: read it into a .bin file. Nothing was written.</source>
        <translation>Auf Seite %1 leuchten im Chip LEDs in der rechten Hälfte einer Zeile, die eine .bin8-Datei nicht fassen kann: Lesen Sie ihn in eine .bin-Datei. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>The chip holds 8 LEDs a row: the LEDs lit in the right half of page %1 cannot be in it.</source>
        <translation>Der Chip fasst 8 LEDs je Zeile: Die leuchtenden LEDs in der rechten Hälfte von Seite %1 können nicht darin sein.</translation>
    </message>
    <message>
        <source>No chip was found. Looked for EEPROM files in /sys/bus/nvmem/devices and /sys/bus/i2c/devices, for I2C adapters as /dev/i2c-N, and for CH341A programmers on USB. A simulated chip needs no search: sim:FILE.</source>
        <translation>Kein Chip gefunden. Gesucht wurde nach EEPROM-Dateien in /sys/bus/nvmem/devices und /sys/bus/i2c/devices, nach I2C-Adaptern als /dev/i2c-N und nach CH341A-Programmern am USB. Ein simulierter Chip braucht keine Suche: sim:DATEI.</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes (%4%)</source>
        <translation>%1: %2 von %3 Bytes (%4 %)</translation>
    </message>
    <message>
        <source>%1: %2 bytes</source>
        <translation>%1: %2 Bytes</translation>
    </message>
</context>
<context>
    <name>ChipController</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 %2: chip page %3, %4 of %5 bytes</source>
        <translation>%1 %2: Chipseite %3, %4 von %5 Bytes</translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4 bytes</source>
        <translation>%1 %2: %3 von %4 Bytes</translation>
    </message>
    <message>
        <source>&amp;Cancel the Work</source>
        <translation>Arbeit &amp;abbrechen</translation>
    </message>
    <message>
        <source>Reading the chip</source>
        <translation>Der Chip wird gelesen</translation>
    </message>
    <message>
        <source>The chip holds this image</source>
        <translation>Der Chip enthält dieses Bild</translation>
    </message>
    <message>
        <source>The chip differs from this image on pages %1.</source>
        <translation>Der Chip weicht auf den Seiten %1 von diesem Bild ab.</translation>
    </message>
    <message>
        <source>&amp;Show the Differences</source>
        <translation>Unterschiede &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>%1 already holds this image: nothing to write.</source>
        <translation>%1 enthält dieses Bild bereits: Es gibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>Write this image to %1, a %2-byte chip?

Pages that will change: %3.
%4 bytes in %5 chip pages, about %6 s.

The chip&apos;s present contents are saved first as %7</source>
        <translation>Dieses Bild nach %1 schreiben, einem Chip mit %2 Bytes?

Seiten, die sich ändern: %3.
%4 Bytes in %5 Chipseiten, etwa %6 s.

Der jetzige Chipinhalt wird zuerst gesichert als %7</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>Writing the chip</source>
        <translation>Der Chip wird geschrieben</translation>
    </message>
    <message>
        <source>the chip</source>
        <translation>dem Chip</translation>
    </message>
    <message>
        <source>The last run ended during chip work. %1</source>
        <translation>Der letzte Lauf endete während einer Arbeit am Chip. %1</translation>
    </message>
    <message>
        <source>The chip is being worked on. Wait for it and then close, or cancel the work at the next chip page?</source>
        <translation>Am Chip wird gearbeitet. Darauf warten und dann schließen, oder die Arbeit bei der nächsten Chipseite abbrechen?</translation>
    </message>
    <message>
        <source>&amp;Wait, Then Close</source>
        <translation>&amp;Warten, dann schließen</translation>
    </message>
    <message>
        <source>This image is kept in the 8-bit layout, whose chip holds the left half of each row only: the LEDs lit in the right half of page %1 cannot be in the chip.</source>
        <translation>Dieses Bild liegt im 8-Bit-Format vor, dessen Chip nur die linke Hälfte jeder Zeile fasst: Die leuchtenden LEDs in der rechten Hälfte von Seite %1 können nicht im Chip sein.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, and an image for the chip holds exactly %3. Save the image first, so that it holds every row; nothing was sent to the chip.</source>
        <translation>%1 enthält %2 Bytes, ein Bild für den Chip enthält genau %3. Speichern Sie das Bild zuerst, damit es jede Zeile enthält; an den Chip wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The chip changed while the question was open: another writer, or another chip in the clip. What it holds now is what this question describes.</source>
        <translation>Der Chip hat sich geändert, während die Frage offen war: ein anderer Schreiber oder ein anderer Chip in der Klemme. Diese Frage beschreibt, was er jetzt enthält.</translation>
    </message>
    <message>
        <source>Show these bytes as the image all the same?</source>
        <translation>Diese Bytes trotzdem als Abbild zeigen?</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
</context>
<context>
    <name>ChipJob</name>
    <message>
        <source>The chip work failed: %1</source>
        <translation>Die Arbeit am Chip ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The chip work failed.</source>
        <translation>Die Arbeit am Chip ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>ChipTargetDialog</name>
    <message>
        <source>Choose Chip</source>
        <translation>Chip wählen</translation>
    </message>
    <message>
        <source>&amp;Chip, one of: %1.</source>
        <translation>&amp;Chip, eines von: %1.</translation>
    </message>
</context>
<context>
    <name>ChipTargets</name>
    <message>
        <source>EEPROM file, %1 bytes, driver %2, %3</source>
        <translation>EEPROM-Datei, %1 Bytes, Treiber %2, %3</translation>
    </message>
    <message>
        <source>I2C adapter, %1</source>
        <translation>I2C-Adapter, %1</translation>
    </message>
    <message>
        <source>The simulated chip&apos;s file %1 holds %2 bytes, not %3.</source>
        <translation>Die Datei %1 des simulierten Chips enthält %2 Bytes, nicht %3.</translation>
    </message>
    <message>
        <source>you may read and write it</source>
        <translation>Sie dürfen sie lesen und schreiben</translation>
    </message>
    <message>
        <source>you may read it, not write it</source>
        <translation>Sie dürfen sie lesen, nicht schreiben</translation>
    </message>
    <message>
        <source>you may not read it</source>
        <translation>Sie dürfen sie nicht lesen</translation>
    </message>
    <message>
        <source>CH341A USB programmer, bus %1, address %2</source>
        <translation>USB-Programmer CH341A, Bus %1, Adresse %2</translation>
    </message>
    <message>
        <source>The simulated chip&apos;s file %1 cannot be used: %2</source>
        <translation>Die Datei %1 des simulierten Chips kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The simulated chip&apos;s file %1 is %2: it must be a regular file of %3 bytes, or missing.</source>
        <translation>Die Datei %1 des simulierten Chips ist %2: Sie muss eine reguläre Datei mit %3 Bytes sein oder fehlen.</translation>
    </message>
    <message>
        <source>EEPROM file, %1 bytes, no driver, %2</source>
        <translation>EEPROM-Datei, %1 Bytes, kein Treiber, %2</translation>
    </message>
    <message>
        <source>%1; also %2</source>
        <translation>%1; auch %2</translation>
    </message>
    <message>
        <source>an EEPROM file a kernel driver offers</source>
        <translation>eine EEPROM-Datei, die ein Kerneltreiber anbietet</translation>
    </message>
    <message>
        <source>an I2C adapter driven directly, with a 2048-byte part</source>
        <translation>ein direkt angesteuerter I2C-Adapter mit einem 2048-Byte-Baustein</translation>
    </message>
    <message>
        <source>the same with a 1024-byte part</source>
        <translation>dasselbe mit einem 1024-Byte-Baustein</translation>
    </message>
    <message>
        <source>the CH341A USB programmer, ?speed=400 for 400 kHz, ?size=1024 for the 1024-byte part</source>
        <translation>der USB-Programmer CH341A, ?speed=400 für 400 kHz, ?size=1024 für den 1024-Byte-Baustein</translation>
    </message>
    <message>
        <source>a simulated 2048-byte part whose bytes live in FILE</source>
        <translation>ein simulierter 2048-Byte-Baustein, dessen Bytes in DATEI liegen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no chip. A chip is one of: %2.</source>
        <translation>„%1“ bezeichnet keinen Chip. Ein Chip ist eines von: %2.</translation>
    </message>
    <message>
        <source>the same 2048-byte part behind a simulated CH341A programmer</source>
        <translation>derselbe 2048-Byte-Baustein hinter einem simulierten CH341A-Programmer</translation>
    </message>
</context>
<context>
    <name>ChipTransfer</name>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>This image holds %1 bytes and the chip %2: a .bin8 image does not go into the 2048-byte chip. Save it in the 16-bit layout (.bin) first.</source>
        <translation>Dieses Bild enthält %1 Bytes und der Chip %2: Ein .bin8-Bild passt nicht in den 2048-Byte-Chip. Speichern Sie es zuerst im 16-Bit-Format (.bin).</translation>
    </message>
    <message>
        <source>This image holds %1 bytes and the chip only %2: save it in the 8-bit layout (.bin8) first.</source>
        <translation>Dieses Bild enthält %1 Bytes und der Chip nur %2: Speichern Sie es zuerst im 8-Bit-Format (.bin8).</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written (%2); nothing was written to the chip.</source>
        <translation>Die Sicherung %1 kann nicht geschrieben werden (%2); in den Chip wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Reading back</source>
        <translation>Zurücklesen</translation>
    </message>
    <message>
        <source>The chip holds this image.</source>
        <translation>Der Chip enthält dieses Bild.</translation>
    </message>
    <message>
        <source>Stopped between two chip pages.</source>
        <translation>Zwischen zwei Chipseiten angehalten.</translation>
    </message>
    <message>
        <source>Pages holding the new image: %1.</source>
        <translation>Seiten mit dem neuen Bild: %1.</translation>
    </message>
    <message>
        <source>Pages still holding the old one: %1.</source>
        <translation>Seiten, die noch das alte enthalten: %1.</translation>
    </message>
    <message>
        <source>Pages partly written: %1.</source>
        <translation>Teilweise geschriebene Seiten: %1.</translation>
    </message>
    <message>
        <source>Pages that differ from the image: %1.</source>
        <translation>Seiten, die vom Bild abweichen: %1.</translation>
    </message>
    <message>
        <source>The chip&apos;s old contents are kept in %1.</source>
        <translation>Der alte Chipinhalt ist in %1 gesichert.</translation>
    </message>
    <message>
        <source>Stopped before the whole chip was read.</source>
        <translation>Angehalten, bevor der ganze Chip gelesen war.</translation>
    </message>
    <message>
        <source>Every byte of the chip reads 0xFF: is it answering at all (the clip, the voltage, the chip)?</source>
        <translation>Jedes Byte des Chips liest sich als 0xFF: Antwortet er überhaupt (Klemme, Spannung, Chip)?</translation>
    </message>
    <message>
        <source>The chip could not be read back: the pages below are as far as the writes went.</source>
        <translation>Der Chip konnte nicht zurückgelesen werden: Die folgenden Seiten sind so weit, wie die Schreibvorgänge kamen.</translation>
    </message>
    <message>
        <source>The chip kept its old contents: is its write-protect pin (WP) high?</source>
        <translation>Der Chip hat seinen alten Inhalt behalten: Liegt sein Schreibschutz-Pin (WP) hoch?</translation>
    </message>
    <message>
        <source>Reading again</source>
        <translation>Erneutes Lesen</translation>
    </message>
    <message>
        <source>The two reads of the chip differ: check the clip. Nothing was written.</source>
        <translation>Die beiden Lesevorgänge des Chips unterscheiden sich: Prüfen Sie die Klemme. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Every byte of the chip reads 0x%1. The programmer cannot tell an erased chip from a missing one: check the clip, the chip and its voltage before trusting these bytes.</source>
        <translation>Jedes Byte des Chips liest sich als 0x%1. Der Programmer kann einen gelöschten Chip nicht von einem fehlenden unterscheiden: Prüfen Sie Klemme, Chip und Spannung, bevor Sie diesen Bytes trauen.</translation>
    </message>
    <message>
        <source>The chip&apos;s upper half repeats its lower half byte for byte: it is probably a 1024-byte part (ch341a?size=1024).</source>
        <translation>Die obere Hälfte des Chips wiederholt die untere Byte für Byte: Vermutlich ist es ein 1024-Byte-Baustein (ch341a?size=1024).</translation>
    </message>
</context>
<context>
    <name>ClockSlider</name>
    <message>
        <source>Clock</source>
        <translation>Takt</translation>
    </message>
    <message>
        <source>1 row a second</source>
        <translation>1 Zeile pro Sekunde</translation>
    </message>
    <message>
        <source>%1 rows a second</source>
        <translation>%1 Zeilen pro Sekunde</translation>
    </message>
</context>
<context>
    <name>ColourCycle</name>
    <message>
        <source>ring</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>crossed</source>
        <translation>durchgestrichen</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Check the light effect of a 16-Kbit EEPROM image before it goes into the chip.</source>
        <translation>Den Lichteffekt eines 16-Kbit-EEPROM-Abbilds prüfen, bevor er in den Chip geht.</translation>
    </message>
    <message>
        <source>An effect image to show: .bin or .bin16 (two bytes a row), .bin8 (one byte a row).</source>
        <translation>Ein anzuzeigendes Effektabbild: .bin oder .bin16 (zwei Bytes je Zeile), .bin8 (ein Byte je Zeile).</translation>
    </message>
    <message>
        <source>Only one FILE can be shown.</source>
        <translation>Es kann nur eine DATEI angezeigt werden.</translation>
    </message>
    <message>
        <source>Compare image A with image B, without a window: one line for each row that differs, then a summary. Exits with 0 when they are the same, 1 when they differ, 2 when either cannot be read. Usage: --compare A B</source>
        <translation>Abbild A mit Abbild B vergleichen, ohne Fenster: eine Zeile für jede abweichende Reihe, dann eine Zusammenfassung. Endet mit 0, wenn sie gleich sind, 1, wenn sie abweichen, 2, wenn eines nicht gelesen werden kann. Aufruf: --compare A B</translation>
    </message>
    <message>
        <source>--compare needs two images, A and B.</source>
        <translation>--compare braucht zwei Abbilder, A und B.</translation>
    </message>
    <message>
        <source>Read the whole chip into FILE.</source>
        <translation>Den ganzen Chip in DATEI lesen.</translation>
    </message>
    <message>
        <source>Write FILE&apos;s image into the chip: the chip is read and kept as a backup, only the chip pages that differ are written, and the chip is read back and compared.</source>
        <translation>Das Bild aus DATEI in den Chip schreiben: Der Chip wird gelesen und gesichert, nur abweichende Chipseiten werden geschrieben, dann wird der Chip zurückgelesen und verglichen.</translation>
    </message>
    <message>
        <source>Compare the chip with FILE&apos;s image: one line for each row that differs, as --compare prints.</source>
        <translation>Den Chip mit dem Bild aus DATEI vergleichen: eine Zeile je abweichender Reihe, wie --compare sie ausgibt.</translation>
    </message>
    <message>
        <source>--chip TARGET goes with one of --read FILE, --write FILE, --verify FILE.</source>
        <translation>--chip ZIEL gehört zu einem von --read DATEI, --write DATEI, --verify DATEI.</translation>
    </message>
    <message>
        <source>List the chips found: EEPROM files, I2C adapters and USB programmers.</source>
        <translation>Die gefundenen Chips auflisten: EEPROM-Dateien, I2C-Adapter und USB-Programmer.</translation>
    </message>
    <message>
        <source>The output cannot be written: %1</source>
        <translation>Die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>--list-chips takes no FILE.</source>
        <translation>--list-chips nimmt keine DATEI.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>a value name in --help</comment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>TARGET</source>
        <comment>a value name in --help</comment>
        <translation>ZIEL</translation>
    </message>
    <message>
        <source>The chip to work on, without a window: %1. With one of --read, --write, --verify. Exits with 0 on success, 1 when the chip does not hold the image (--verify), 2 on any error.</source>
        <translation>Der Chip, ohne Fenster: %1. Mit einem von --read, --write, --verify. Endet mit 0 bei Erfolg, 1, wenn der Chip das Bild nicht enthält (--verify), 2 bei jedem Fehler.</translation>
    </message>
    <message>
        <source>KIND</source>
        <comment>a value name in --help</comment>
        <translation>ART</translation>
    </message>
    <message>
        <source>NAME=VALUE</source>
        <comment>a value name in --help</comment>
        <translation>NAME=WERT</translation>
    </message>
    <message>
        <source>Make an effect without a window, into --output FILE (its layout by its name), with --set NAME=VALUE for each setting to change. The kinds and their settings: %2.</source>
        <translation>Einen Effekt ohne Fenster erzeugen, in --output DATEI (das Format nach ihrem Namen), mit --set NAME=WERT für jede Einstellung, die sich ändern soll. Die Arten und ihre Einstellungen: %2.</translation>
    </message>
    <message>
        <source>--compare, --list-chips, --chip, --generate, --import and --export each go on their own.</source>
        <translation>--compare, --list-chips, --chip, --generate, --import und --export stehen jeweils für sich.</translation>
    </message>
    <message>
        <source>--export KIND goes with OUTPUT and FILE, and --set NAME=VALUE as needed.</source>
        <translation>--export ART gehört zu AUSGABE und DATEI, dazu --set NAME=WERT nach Bedarf.</translation>
    </message>
    <message>
        <source>--generate KIND and --import PICTURE go with --output FILE, and --set NAME=VALUE as needed.</source>
        <translation>--generate ART und --import BILD gehören zu --output DATEI, dazu --set NAME=WERT nach Bedarf.</translation>
    </message>
    <message>
        <source>PICTURE</source>
        <comment>a value name in --help</comment>
        <translation>BILD</translation>
    </message>
    <message>
        <source>Turn a picture (PNG, BMP, GIF with its frames, JPEG) into an effect without a window, into --output FILE (its layout by its name), with --set NAME=VALUE for each setting to change: %4.</source>
        <translation>Ein Bild (PNG, BMP, GIF mit seinen Einzelbildern, JPEG) ohne Fenster in einen Effekt verwandeln, in --output DATEI (ihr Format nach ihrem Namen), mit --set NAME=WERT für jede zu ändernde Einstellung: %4.</translation>
    </message>
    <message>
        <source>Export an image without a window: --export KIND OUTPUT FILE, with --set NAME=VALUE for each setting to change. The kinds and their settings: %3.</source>
        <translation>Ein Abbild ohne Fenster exportieren: --export ART AUSGABE DATEI, mit --set NAME=WERT für jede zu ändernde Einstellung. Die Arten und ihre Einstellungen: %3.</translation>
    </message>
    <message>
        <source>A setting of --generate, --import or --export; given once for each.</source>
        <translation>Eine Einstellung von --generate, --import oder --export; je Einstellung einmal angegeben.</translation>
    </message>
    <message>
        <source>Where --generate and --import write the effect.</source>
        <translation>Wohin --generate und --import den Effekt schreiben.</translation>
    </message>
    <message>
        <source>LOG</source>
        <comment>a value name in --help</comment>
        <translation>PROTOKOLL</translation>
    </message>
    <message>
        <source>N</source>
        <comment>a value name in --help</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>Run a production station without a window: --station --chip A [--chip B]... --write FILE --log LOG [--count N]. Each --chip is a lane (a missing sim: file is an empty socket); each chip is read, written where it differs and read back, its line appended to LOG. Ends after N chips or on Ctrl+C. Exits with 0 when every chip passed, 1 when any failed, 2 on an error that stops it.</source>
        <translation>Eine Produktionsstation ohne Fenster betreiben: --station --chip A [--chip B]... --write DATEI --log PROTOKOLL [--count N]. Jeder --chip ist eine Bahn (eine fehlende sim:-Datei ist ein leerer Sockel); jeder Chip wird gelesen, wo er abweicht geschrieben und zurückgelesen, seine Zeile an PROTOKOLL angehängt. Endet nach N Chips oder mit Strg+C. Endet mit 0, wenn jeder Chip bestanden hat, 1, wenn einer durchfiel, 2 bei einem Fehler, der die Station anhält.</translation>
    </message>
    <message>
        <source>The station&apos;s log: one CSV line for each chip, appended.</source>
        <translation>Das Protokoll der Station: eine CSV-Zeile je Chip, angehängt.</translation>
    </message>
    <message>
        <source>The chips the station works on before it ends.</source>
        <translation>Die Chips, die die Station bearbeitet, bevor sie endet.</translation>
    </message>
    <message>
        <source>--station goes with --chip TARGET for each lane, --write FILE or --clone MASTER, and --log LOG, and --count N (a whole number) as needed.</source>
        <translation>--station gehört zu --chip ZIEL für jede Bahn, --write DATEI oder --clone MUSTER und --log PROTOKOLL, dazu --count N (eine ganze Zahl) nach Bedarf.</translation>
    </message>
    <message>
        <source>MASTER</source>
        <comment>a value name in --help</comment>
        <translation>MUSTER</translation>
    </message>
    <message>
        <source>A station&apos;s image read from the chip MASTER, instead of --write FILE: clone mode.</source>
        <translation>Das Abbild einer Station, aus dem Chip MUSTER gelesen statt --write DATEI: Klonmodus.</translation>
    </message>
</context>
<context>
    <name>ConvertCommand</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The picture has %1 rows; the %2 after the image&apos;s last row were cut.</source>
        <translation>Das Bild hat %1 Reihen; die %2 nach der letzten Reihe des Abbilds wurden abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>EepromFileChip</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes: not a 1024- or 2048-byte EEPROM.</source>
        <translation>%1 enthält %2 Bytes: kein EEPROM mit 1024 oder 2048 Bytes.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 ends at byte %2, before the chip does.</source>
        <translation>%1 endet bei Byte %2, vor dem Chip.</translation>
    </message>
    <message>
        <source>%1 ends before byte %2: it is smaller than the chip.</source>
        <translation>%1 endet vor Byte %2: Die Datei ist kleiner als der Chip.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 took no bytes at byte %2.</source>
        <translation>%1 hat bei Byte %2 keine Bytes angenommen.</translation>
    </message>
    <message>
        <source>No permission to write %1. EEPROM files are root&apos;s by default; a udev rule or a group can give access (the package installs none for them).</source>
        <translation>Keine Berechtigung, %1 zu schreiben. EEPROM-Dateien gehören standardmäßig root; eine udev-Regel oder eine Gruppe kann Zugriff geben (das Paket installiert keine dafür).</translation>
    </message>
    <message>
        <source>No permission to read %1. EEPROM files are root&apos;s by default; a udev rule or a group can give access (the package installs none for them).</source>
        <translation>Keine Berechtigung, %1 zu lesen. EEPROM-Dateien gehören standardmäßig root; eine udev-Regel oder eine Gruppe kann Zugriff geben (das Paket installiert keine dafür).</translation>
    </message>
    <message>
        <source>%1 is %2, not an EEPROM file that a kernel driver offers (a file named eeprom or nvmem under %3). To use a file as a simulated chip, name it sim:%1 (sim8: for the 1024-byte part).</source>
        <translation>%1 ist %2, keine EEPROM-Datei eines Kerneltreibers (eine Datei namens eeprom oder nvmem unter %3). Um eine Datei als simulierten Chip zu verwenden, nennen Sie sie sim:%1 (sim8: für den 1024-Byte-Baustein).</translation>
    </message>
    <message>
        <source>not to be found</source>
        <translation>nicht zu finden</translation>
    </message>
</context>
<context>
    <name>EffectDocument</name>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>%1 has changed on disk since it was loaded. Overwrite it?</source>
        <translation>%1 wurde seit dem Laden auf dem Datenträger geändert. Überschreiben?</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; saving keeps only the first %3. Replace it?</source>
        <translation>%1 enthält %2 Bytes; beim Speichern bleiben nur die ersten %3. Ersetzen?</translation>
    </message>
    <message>
        <source>The 8-bit layout holds the left half of each row only. Lit LEDs in the right half are lost on page %1. Save all the same?</source>
        <translation>Das 8-Bit-Format enthält nur die linke Hälfte jeder Zeile. Leuchtende LEDs in der rechten Hälfte gehen auf Seite %1 verloren. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Export as C Array</source>
        <translation>Als C-Array exportieren</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Export as PNG</source>
        <translation>Als PNG exportieren</translation>
    </message>
    <message>
        <source>Shift Toward LED 1</source>
        <translation>Zu LED 1 schieben</translation>
    </message>
    <message>
        <source>Shift Away From LED 1</source>
        <translation>Von LED 1 weg schieben</translation>
    </message>
    <message>
        <source>Shift a Row Earlier</source>
        <translation>Eine Reihe früher</translation>
    </message>
    <message>
        <source>Shift a Row Later</source>
        <translation>Eine Reihe später</translation>
    </message>
    <message>
        <source>Reverse Rows</source>
        <translation>Reihen umkehren</translation>
    </message>
    <message>
        <source>The clipboard holds no rows: copy some in Glimmerview, or two bytes a row as hex text (&quot;0x12, 0x34, ...&quot; or &quot;1234...&quot;)</source>
        <translation>Die Zwischenablage enthält keine Reihen: Kopieren Sie welche in Glimmerview oder zwei Bytes je Reihe als Hex-Text („0x12, 0x34, ...“ oder „1234...“)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertieren</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Repeat the first rows over all %1 rows. How many rows repeat?</source>
        <translation>Die ersten Reihen über alle %1 Reihen wiederholen. Wie viele Reihen wiederholen sich?</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Reihen wiederholen</translation>
    </message>
    <message>
        <source>Insert Rows</source>
        <translation>Reihen einfügen</translation>
    </message>
    <message>
        <source>Delete Rows</source>
        <translation>Reihen entfernen</translation>
    </message>
    <message>
        <source>Export as Animated GIF</source>
        <translation>Als animiertes GIF exportieren</translation>
    </message>
    <message>
        <source>Export as GIF of Pages</source>
        <translation>Als GIF der Seiten exportieren</translation>
    </message>
    <message>
        <source>Export as Intel HEX</source>
        <translation>Als Intel-HEX exportieren</translation>
    </message>
    <message>
        <source>Export as S-Record</source>
        <translation>Als S-Record exportieren</translation>
    </message>
    <message>
        <source>Lit LEDs that fall off the end: %1. Insert all the same?</source>
        <translation>Leuchtende LEDs, die hinten herausfallen: %1. Trotzdem einfügen?</translation>
    </message>
</context>
<context>
    <name>Exports</name>
    <message>
        <source>an animated GIF of the string as it plays, a frame a row</source>
        <translation>ein animiertes GIF der Kette, wie sie spielt, ein Einzelbild je Reihe</translation>
    </message>
    <message>
        <source>Rows a second</source>
        <translation>Reihen je Sekunde</translation>
    </message>
    <message>
        <source>an animated GIF of the matrix, a frame a page</source>
        <translation>ein animiertes GIF der Matrix, ein Einzelbild je Seite</translation>
    </message>
    <message>
        <source>Intel HEX for universal programmers</source>
        <translation>Intel-HEX für Universalprogrammer</translation>
    </message>
    <message>
        <source>Motorola S-record for universal programmers</source>
        <translation>Motorola-S-Record für Universalprogrammer</translation>
    </message>
    <message>
        <source>a C array for firmware</source>
        <translation>ein C-Array für Firmware</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>The leftmost LED in a byte&apos;s</source>
        <translation>Die LED ganz links im Byte auf</translation>
    </message>
    <message>
        <source>In an AVR&apos;s flash (PROGMEM)</source>
        <translation>Im Flash eines AVR (PROGMEM)</translation>
    </message>
    <message>
        <source>values=words: the 8-LED layout holds a byte a row, not a word.</source>
        <translation>values=words: Das 8-LED-Format hat ein Byte je Reihe, kein Wort.</translation>
    </message>
    <message>
        <source>export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>colours=%1: 16 letters are needed, r, g, b or y for each column from the left.</source>
        <translation>colours=%1: 16 Buchstaben werden gebraucht, r, g, b oder y für jede Spalte von links.</translation>
    </message>
    <message>
        <source>Column colours (r, g, b or y each)</source>
        <translation>Spaltenfarben (je r, g, b oder y)</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>a regular file</source>
        <translation>eine reguläre Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a block device (a disk or a partition)</source>
        <translation>ein Blockgerät (ein Datenträger oder eine Partition)</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a file of an unknown kind</source>
        <translation>eine Datei unbekannter Art</translation>
    </message>
</context>
<context>
    <name>GenerateDialog</name>
    <message>
        <source>Generate</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>the whole image</source>
        <translation>das ganze Abbild</translation>
    </message>
    <message>
        <source>Written into %1.</source>
        <translation>Geschrieben in %1.</translation>
    </message>
    <message>
        <source>Generate %1</source>
        <translation>%1 erzeugen</translation>
    </message>
</context>
<context>
    <name>Generators</name>
    <message>
        <source>a lit block runs along the string, one LED a row</source>
        <translation>ein leuchtender Block läuft die Kette entlang, eine LED je Reihe</translation>
    </message>
    <message>
        <source>the string fills LED by LED, then empties</source>
        <translation>die Kette füllt sich LED für LED und leert sich wieder</translation>
    </message>
    <message>
        <source>random LEDs at a density in percent, the same for a seed</source>
        <translation>zufällige LEDs mit einer Dichte in Prozent, gleich für gleichen Startwert</translation>
    </message>
    <message>
        <source>each row its number in binary</source>
        <translation>jede Reihe ihre Nummer im Binärcode</translation>
    </message>
    <message>
        <source>all, walk, alternate or pages: patterns that find faults</source>
        <translation>all, walk, alternate oder pages: Muster, die Fehler finden</translation>
    </message>
    <message>
        <source>font=%1: installed fonts are drawn in the window; here, font=pixel.</source>
        <translation>font=%1: Installierte Schriften werden im Fenster gezeichnet; hier font=pixel.</translation>
    </message>
    <message>
        <source>a text scrolls through the string, a column of its glyphs a row</source>
        <translation>ein Text läuft durch die Kette, eine Spalte seiner Zeichen je Reihe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Rows a column</source>
        <translation>Reihen je Spalte</translation>
    </message>
    <message>
        <source>Gap between repeats (columns)</source>
        <translation>Abstand zwischen Wiederholungen (Spalten)</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>Invertiert</translation>
    </message>
    <message>
        <source>Width (LEDs)</source>
        <translation>Breite (LEDs)</translation>
    </message>
    <message>
        <source>Tail (rows)</source>
        <translation>Schweif (Reihen)</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Hin und her</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Density (%)</source>
        <translation>Dichte (%)</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>effect</source>
        <translation>Effekt</translation>
    </message>
</context>
<context>
    <name>GifAnimation</name>
    <message>
        <source>The animation cannot be made: %1</source>
        <translation>Die Animation kann nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>I2cChip</name>
    <message>
        <source>A kernel driver already holds the chip at 0x50 on %1. Use its EEPROM file instead: %2</source>
        <translation>Ein Kerneltreiber belegt den Chip bei 0x50 auf %1 bereits. Verwenden Sie stattdessen seine EEPROM-Datei: %2</translation>
    </message>
    <message>
        <source>No permission to use %1: a udev rule or the i2c group gives it.</source>
        <translation>Keine Berechtigung für %1: Eine udev-Regel oder die Gruppe i2c gibt sie.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Block %1 (address %2) does not answer on %3: is the chip smaller than %4 bytes?</source>
        <translation>Block %1 (Adresse %2) antwortet nicht auf %3: Ist der Chip kleiner als %4 Bytes?</translation>
    </message>
    <message>
        <source>The adapter %1 is gone: was the cable pulled?</source>
        <translation>Der Adapter %1 ist verschwunden: Wurde das Kabel gezogen?</translation>
    </message>
    <message>
        <source>The bus %1 timed out.</source>
        <translation>Zeitüberschreitung auf dem Bus %1.</translation>
    </message>
    <message>
        <source>The transfer on %1 failed: %2</source>
        <translation>Die Übertragung auf %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The chip at %1 on %2 stayed busy for more than 25 ms after a write.</source>
        <translation>Der Chip bei %1 auf %2 blieb nach einem Schreiben länger als 25 ms beschäftigt.</translation>
    </message>
    <message>
        <source>%1 is %2, not an I2C adapter (/dev/i2c-N).</source>
        <translation>%1 ist %2, kein I2C-Adapter (/dev/i2c-N).</translation>
    </message>
    <message>
        <source>The adapter %1 carried %2 of %3 messages to %4.</source>
        <translation>Der Adapter %1 hat %2 von %3 Nachrichten an %4 übertragen.</translation>
    </message>
    <message>
        <source>No chip answers at %1 on %2: is it connected (the clip, the voltage), and is this the right bus?</source>
        <translation>An %1 auf %2 antwortet kein Chip: Ist er angeschlossen (Klemme, Spannung), und ist es der richtige Bus?</translation>
    </message>
    <message>
        <source>The kernel driver %1 holds a device at %2 on %3, inside the %4 bytes&apos; range 0x50–%5: writing there could overwrite it. Nothing was touched.</source>
        <translation>Der Kerneltreiber %1 hält ein Gerät an %2 auf %3, im Bereich 0x50–%5 der %4 Bytes: Schreiben dort könnte es überschreiben. Nichts wurde angerührt.</translation>
    </message>
    <message>
        <source>A %1-byte part answers at %2 on %3: name it %4%3.</source>
        <translation>Ein %1-Byte-Baustein antwortet an %2 auf %3: Geben Sie ihn als %4%3 an.</translation>
    </message>
    <message>
        <source>A %1-byte part answers at %2 on %3: Glimmerview writes 1024- and 2048-byte parts only.</source>
        <translation>Ein %1-Byte-Baustein antwortet an %2 auf %3: Glimmerview schreibt nur 1024- und 2048-Byte-Bausteine.</translation>
    </message>
    <message>
        <source>I2C-block or byte-data reads</source>
        <translation>Lesevorgänge als I2C-Block oder Byte-Daten</translation>
    </message>
    <message>
        <source>I2C-block or byte-data writes</source>
        <translation>Schreibvorgänge als I2C-Block oder Byte-Daten</translation>
    </message>
    <message>
        <source>The adapter %1 offers neither plain I2C transfers nor the SMBus transfers an EEPROM needs: it lacks %2.</source>
        <translation>Der Adapter %1 bietet weder einfache I2C-Übertragungen noch die SMBus-Übertragungen, die ein EEPROM braucht: Ihm fehlen %2.</translation>
    </message>
    <message>
        <source>%1 is no I2C adapter: it does not say what it can do (%2).</source>
        <translation>%1 ist kein I2C-Adapter: Er gibt nicht an, was er kann (%2).</translation>
    </message>
</context>
<context>
    <name>ImageComparison</name>
    <message>
        <source>Same as %1</source>
        <translation>Gleich wie %1</translation>
    </message>
    <message>
        <source>1 page differs</source>
        <translation>1 Seite weicht ab</translation>
    </message>
    <message>
        <source>%1 pages differ</source>
        <translation>%1 Seiten weichen ab</translation>
    </message>
    <message>
        <source>1 LED</source>
        <translation>1 LED</translation>
    </message>
    <message>
        <source>%1 LEDs</source>
        <translation>%1 LEDs</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>pages that differ, LEDs that differ</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>page %1 row %2: columns %3</source>
        <translation>Seite %1 Reihe %2: Spalten %3</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ImportPictureDialog</name>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Import Picture</source>
        <translation>Bild importieren</translation>
    </message>
    <message>
        <source>Pictures (*.png *.bmp *.gif *.jpg *.jpeg)</source>
        <translation>Bilder (*.png *.bmp *.gif *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>%1: %2×%3 pixels</source>
        <translation>%1: %2×%3 Pixel</translation>
    </message>
    <message>
        <source>%1, %2 frames</source>
        <translation>%1, %2 Einzelbilder</translation>
    </message>
    <message>
        <source>Rows past the last row, cut: %1.</source>
        <translation>Reihen nach der letzten Reihe, abgeschnitten: %1.</translation>
    </message>
    <message>
        <source>Rows of the picture: %1.</source>
        <translation>Reihen des Bildes: %1.</translation>
    </message>
</context>
<context>
    <name>LedIndicator</name>
    <message>
        <source>differs from the reference</source>
        <translation>weicht von der Vorlage ab</translation>
    </message>
</context>
<context>
    <name>LibusbTransport</name>
    <message>
        <source>No CH341A programmer is plugged in. Plug it in, or check its cable.</source>
        <translation>Kein CH341A-Programmer ist eingesteckt. Stecken Sie ihn ein, oder prüfen Sie sein Kabel.</translation>
    </message>
    <message>
        <source>(This machine shows no USB devices.)</source>
        <translation>(Dieser Rechner zeigt keine USB-Geräte.)</translation>
    </message>
    <message>
        <source>No CH341A programmer is plugged in at bus %1, address %2. --list-chips shows where it is now.</source>
        <translation>An Bus %1, Adresse %2 ist kein CH341A-Programmer eingesteckt. --list-chips zeigt, wo er jetzt ist.</translation>
    </message>
    <message>
        <source>No permission to use the programmer %1. Install the package&apos;s udev rule (70-glimmerview-ch341a.rules) and plug it in again, and use it from a session logged in at the seat.</source>
        <translation>Keine Berechtigung für den Programmer %1. Installieren Sie die udev-Regel des Pakets (70-glimmerview-ch341a.rules), stecken Sie ihn neu ein und verwenden Sie ihn aus einer am Platz angemeldeten Sitzung.</translation>
    </message>
    <message>
        <source>The programmer %1 cannot be opened: %2</source>
        <translation>Der Programmer %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Another program is using the programmer %1.</source>
        <translation>Ein anderes Programm verwendet den Programmer %1.</translation>
    </message>
    <message>
        <source>The programmer %1 cannot be claimed: %2</source>
        <translation>Der Programmer %1 kann nicht belegt werden: %2</translation>
    </message>
    <message>
        <source>The programmer %1 was unplugged.</source>
        <translation>Der Programmer %1 wurde abgezogen.</translation>
    </message>
    <message>
        <source>The programmer %1 did not answer in time.</source>
        <translation>Der Programmer %1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The transfer with the programmer %1 failed: %2</source>
        <translation>Die Übertragung mit dem Programmer %1 ist fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>MainLayout</name>
    <message>
        <source>LED matrix</source>
        <translation>LED-Matrix</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Preview strip</source>
        <translation>Vorschauleiste</translation>
    </message>
    <message>
        <source>Preview, column %1</source>
        <translation>Vorschau, Spalte %1</translation>
    </message>
    <message>
        <source>Column numbers</source>
        <translation>Spaltennummern</translation>
    </message>
    <message>
        <source>Row numbers</source>
        <translation>Zeilennummern</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>C Array</source>
        <translation>C-Array</translation>
    </message>
</context>
<context>
    <name>MatrixEditor</name>
    <message>
        <source>Toggle LED</source>
        <translation>LED umschalten</translation>
    </message>
</context>
<context>
    <name>NamedSettings</name>
    <message>
        <source>&quot;%1&quot;: %2 takes no settings.</source>
        <translation>„%1“: %2 nimmt keine Einstellungen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2 takes %3, each once as NAME=VALUE.</source>
        <translation>„%1“: %2 nimmt %3, jede einmal als NAME=WERT.</translation>
    </message>
    <message>
        <source>%1=%2: a whole number from %3 to %4 is needed.</source>
        <translation>%1=%2: Eine ganze Zahl von %3 bis %4 wird gebraucht.</translation>
    </message>
    <message>
        <source>%1=%2: one of %3 is needed.</source>
        <translation>%1=%2: Eines von %3 wird gebraucht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of %2: one of %3.</source>
        <translation>„%1“ ist keine Art von %2: eine von %3.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
</context>
<context>
    <name>OverviewDock</name>
    <message>
        <source>page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>%1 — the tools act on %2</source>
        <translation>%1 — die Werkzeuge wirken auf %2</translation>
    </message>
</context>
<context>
    <name>PagesView</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>%1 lit LEDs</source>
        <translation>%1 leuchtende LEDs</translation>
    </message>
    <message>
        <source>1 lit LED</source>
        <translation>1 leuchtende LED</translation>
    </message>
    <message>
        <source>%1, chosen for the tools</source>
        <translation>%1, für die Werkzeuge gewählt</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>Placement</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>Threshold (lit from)</source>
        <translation>Schwelle (leuchtet ab)</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Rasterung</translation>
    </message>
    <message>
        <source>Inverted</source>
        <translation>Invertiert</translation>
    </message>
    <message>
        <source>A wider picture is</source>
        <translation>Ein breiteres Bild wird</translation>
    </message>
    <message>
        <source>This is no picture Glimmerview reads: PNG, BMP, GIF or JPEG.</source>
        <translation>Das ist kein Bild, das Glimmerview liest: PNG, BMP, GIF oder JPEG.</translation>
    </message>
    <message>
        <source>The picture holds no pixels.</source>
        <translation>Das Bild enthält keine Pixel.</translation>
    </message>
    <message>
        <source>The picture is %1×%2 pixels; Glimmerview reads pictures of up to %3 pixels a side and %4 pixels in all.</source>
        <translation>Das Bild hat %1×%2 Pixel; Glimmerview liest Bilder bis %3 Pixel je Seite und %4 Pixel insgesamt.</translation>
    </message>
    <message>
        <source>The picture holds %1 frames; Glimmerview reads up to %2.</source>
        <translation>Das Bild enthält %1 Einzelbilder; Glimmerview liest bis zu %2.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>Das Bild kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The picture holds more than %1 frames; Glimmerview reads up to %1.</source>
        <translation>Das Bild enthält mehr als %1 Einzelbilder; Glimmerview liest bis zu %1.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MiB: no picture Glimmerview reads is that big.</source>
        <translation>%1 enthält mehr als %2 MiB: So groß ist kein Bild, das Glimmerview liest.</translation>
    </message>
</context>
<context>
    <name>ProductionDialog</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Production</source>
        <translation>Produktion</translation>
    </message>
    <message>
        <source>none: the image shown</source>
        <translation>keiner: das gezeigte Abbild</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Abbild:</translation>
    </message>
    <message>
        <source>&amp;Lanes (a chip target a line):</source>
        <translation>&amp;Bahnen (ein Chipziel je Zeile):</translation>
    </message>
    <message>
        <source>&amp;Master chip (clone mode):</source>
        <translation>&amp;Musterchip (Klonmodus):</translation>
    </message>
    <message>
        <source>L&amp;og file (appended to):</source>
        <translation>&amp;Protokolldatei (wird ergänzt):</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Name a chip target for each lane, one a line.</source>
        <translation>Geben Sie für jede Bahn ein Chipziel an, eines je Zeile.</translation>
    </message>
    <message>
        <source>Name the log file the station appends to.</source>
        <translation>Geben Sie die Protokolldatei an, die die Station ergänzt.</translation>
    </message>
    <message>
        <source>the master chip %1</source>
        <translation>der Musterchip %1</translation>
    </message>
    <message>
        <source>Lane %1: %2</source>
        <translation>Bahn %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>passed %1, failed %2</source>
        <translation>bestanden %1, durchgefallen %2</translation>
    </message>
    <message>
        <source>All lanes: %1 chips, passed %2, failed %3, yield %4%</source>
        <translation>Alle Bahnen: %1 Chips, bestanden %2, durchgefallen %3, Ausbeute %4 %</translation>
    </message>
</context>
<context>
    <name>ProductionLog</name>
    <message>
        <source>The log %1 cannot be opened: %2</source>
        <translation>Das Protokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The log %1 is no regular file.</source>
        <translation>Das Protokoll %1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The log %1 cannot be written: %2</source>
        <translation>Das Protokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>Unsaved edits are kept for recovery in %1, as %2 cannot be written (%3).</source>
        <translation>Nicht gespeicherte Änderungen werden zur Wiederherstellung in %1 aufbewahrt, da %2 nicht geschrieben werden kann (%3).</translation>
    </message>
    <message>
        <source>Unsaved edits cannot be kept for recovery: %1 cannot be written (%2). Save often.</source>
        <translation>Nicht gespeicherte Änderungen können nicht zur Wiederherstellung aufbewahrt werden: %1 kann nicht geschrieben werden (%2). Speichern Sie oft.</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved edits cannot be kept for recovery in %1 (%2). Save often.</source>
        <translation>Nicht gespeicherte Änderungen können nicht zur Wiederherstellung in %1 aufbewahrt werden (%2). Speichern Sie oft.</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Recover the unsaved changes to %1 from %2?</source>
        <translation>Die nicht gespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is %1</source>
        <translation>es ist %1</translation>
    </message>
</context>
<context>
    <name>RowSelection</name>
    <message>
        <source>pages %1</source>
        <translation>Seiten %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>Reihen %1</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Waiting for a chip</source>
        <translation>Warte auf einen Chip</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Wird geschrieben</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>BESTANDEN</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>DURCHGEFALLEN</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>The chip was taken out before it was written.</source>
        <translation>Der Chip wurde herausgenommen, bevor er geschrieben wurde.</translation>
    </message>
    <message>
        <source>%1 is given as two lanes.</source>
        <translation>%1 ist als zwei Bahnen angegeben.</translation>
    </message>
</context>
<context>
    <name>StationCommand</name>
    <message>
        <source>lane %1 %2: PASS, %3 chip pages written, %4 ms</source>
        <translation>Bahn %1 %2: BESTANDEN, %3 Chipseiten geschrieben, %4 ms</translation>
    </message>
    <message>
        <source>lane %1 %2: FAIL: %3</source>
        <translation>Bahn %1 %2: DURCHGEFALLEN: %3</translation>
    </message>
    <message>
        <source>Lane %1 cannot sense a chip: press Enter when each chip is in.</source>
        <translation>Bahn %1 kann keinen Chip erkennen: Drücken Sie die Eingabetaste, wenn jeder Chip steckt.</translation>
    </message>
    <message>
        <source>Chips: %1, passed: %2, failed: %3, yield: %4%.</source>
        <translation>Chips: %1, bestanden: %2, durchgefallen: %3, Ausbeute: %4 %.</translation>
    </message>
    <message>
        <source>The master chip %1 cannot be a lane too.</source>
        <translation>Der Musterchip %1 kann nicht zugleich eine Bahn sein.</translation>
    </message>
    <message>
        <source>master %1</source>
        <translation>Muster %1</translation>
    </message>
    <message>
        <source>The image: the master chip %1, SHA-256 %2</source>
        <translation>Das Abbild: der Musterchip %1, SHA-256 %2</translation>
    </message>
</context>
<context>
    <name>TargetLock</name>
    <message>
        <source>%1 is being written by another program (process %2). Wait until it has finished; two writers at once would each overwrite the other&apos;s bytes.</source>
        <translation>%1 wird von einem anderen Programm geschrieben (Prozess %2). Warten Sie, bis es fertig ist; zwei Schreiber zugleich würden die Bytes des jeweils anderen überschreiben.</translation>
    </message>
    <message>
        <source>%1 cannot be locked for writing: %2</source>
        <translation>%1 kann nicht zum Schreiben gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Glimmerview FINAL Version</source>
        <translation>Glimmerview FINAL-Version</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Export as &amp;C Array…</source>
        <translation>Als &amp;C-Array exportieren…</translation>
    </message>
    <message>
        <source>Export as &amp;PNG…</source>
        <translation>Als &amp;PNG exportieren…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Matrix</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Load file</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Preview mode</source>
        <translation>Vorschaumodus</translation>
    </message>
    <message>
        <source>Single page</source>
        <translation>Einzelseite</translation>
    </message>
    <message>
        <source>Multi page</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Takt</translation>
    </message>
    <message>
        <source>20 Hz</source>
        <translation>20 Hz</translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation>10 Hz</translation>
    </message>
    <message>
        <source>1 Hz</source>
        <translation>1 Hz</translation>
    </message>
    <message>
        <source>LED color</source>
        <translation>LED-Farbe</translation>
    </message>
    <message>
        <source>Off LED</source>
        <translation>Aus-LED</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>About Program</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Glimmerview team</source>
        <translation>Glimmerview-Team</translation>
    </message>
    <message>
        <source>with thanks to all</source>
        <translation>mit Dank an alle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Serial Interface Concept investigation and hardware embodiment  E-Mail:</source>
        <translation>Konzept der seriellen Schnittstelle und Umsetzung in Hardware  E-Mail:</translation>
    </message>
    <message>
        <source>Software idea and implementation E-Mail:</source>
        <translation>Idee und Umsetzung der Software E-Mail:</translation>
    </message>
    <message>
        <source>binary(*.bin)</source>
        <translation>binär(*.bin)</translation>
    </message>
    <message>
        <source>binary8bit(*.bin8))</source>
        <translation>binär8bit(*.bin8))</translation>
    </message>
    <message>
        <source>binary16bit(*.bin16))</source>
        <translation>binär16bit(*.bin16))</translation>
    </message>
    <message>
        <source>ALL(*.*)</source>
        <translation>ALLE(*.*)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Compare &amp;With…</source>
        <translation>&amp;Vergleichen mit…</translation>
    </message>
    <message>
        <source>S&amp;top Comparing</source>
        <translation>Vergleich be&amp;enden</translation>
    </message>
    <message>
        <source>&amp;Next Difference</source>
        <translation>&amp;Nächster Unterschied</translation>
    </message>
    <message>
        <source>Pre&amp;vious Difference</source>
        <translation>&amp;Voriger Unterschied</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>Ü&amp;bersicht</translation>
    </message>
    <message>
        <source>&amp;Chip</source>
        <translation>&amp;Chip</translation>
    </message>
    <message>
        <source>&amp;Read From Chip…</source>
        <translation>Vom Chip &amp;lesen…</translation>
    </message>
    <message>
        <source>&amp;Write To Chip…</source>
        <translation>In den Chip &amp;schreiben…</translation>
    </message>
    <message>
        <source>&amp;Verify Chip</source>
        <translation>Chip &amp;prüfen</translation>
    </message>
    <message>
        <source>C&amp;hoose Chip…</source>
        <translation>Chip &amp;wählen…</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New &amp;8-LED Image</source>
        <translation>Neues &amp;8-LED-Abbild</translation>
    </message>
    <message>
        <source>Shift Toward LED &amp;1</source>
        <translation>Zu LED &amp;1 schieben</translation>
    </message>
    <message>
        <source>Shift Away From LED 1</source>
        <translation>Von LED 1 weg schieben</translation>
    </message>
    <message>
        <source>Rotate Toward LED 1</source>
        <translation>Zu LED 1 rotieren</translation>
    </message>
    <message>
        <source>Rotate Away From LED 1</source>
        <translation>Von LED 1 weg rotieren</translation>
    </message>
    <message>
        <source>Shift a Row &amp;Earlier</source>
        <translation>Eine Reihe &amp;früher</translation>
    </message>
    <message>
        <source>Shift a Row La&amp;ter</source>
        <translation>Eine Reihe sp&amp;äter</translation>
    </message>
    <message>
        <source>&amp;Reverse Rows</source>
        <translation>Reihen &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>F&amp;üllen</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>&amp;Spiegeln</translation>
    </message>
    <message>
        <source>Insert Ro&amp;ws</source>
        <translation>Reihen einfü&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Reihen en&amp;tfernen</translation>
    </message>
    <message>
        <source>Repeat Row&amp;s…</source>
        <translation>Reihen wie&amp;derholen…</translation>
    </message>
    <message>
        <source>&amp;Generate…</source>
        <translation>Er&amp;zeugen…</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Select N&amp;one</source>
        <translation>Auswahl aufhe&amp;ben</translation>
    </message>
    <message>
        <source>Export as Animated &amp;GIF…</source>
        <translation>Als animiertes &amp;GIF exportieren…</translation>
    </message>
    <message>
        <source>Export as Intel &amp;HEX…</source>
        <translation>Als Intel-&amp;HEX exportieren…</translation>
    </message>
    <message>
        <source>Export as S-Reco&amp;rd…</source>
        <translation>Als S-Reco&amp;rd exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import Picture…</source>
        <translation>Bild &amp;importieren…</translation>
    </message>
    <message>
        <source>Export as GIF o&amp;f Pages…</source>
        <translation>Als GIF der Sei&amp;ten exportieren…</translation>
    </message>
    <message>
        <source>&amp;Production…</source>
        <translation>&amp;Produktion…</translation>
    </message>
</context>
<context>
    <name>TimeStrip</name>
    <message>
        <source>Time strip</source>
        <translation>Zeitstreifen</translation>
    </message>
    <message>
        <source>Page %1, row %2</source>
        <translation>Seite %1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>WindowPrompts</name>
    <message>
        <source>C header (*.h)</source>
        <translation>C-Header (*.h)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF-Animation (*.gif)</translation>
    </message>
    <message>
        <source>Intel HEX (*.hex *.ihx)</source>
        <translation>Intel-HEX (*.hex *.ihx)</translation>
    </message>
    <message>
        <source>S-record (*.srec *.s19 *.mot)</source>
        <translation>S-Record (*.srec *.s19 *.mot)</translation>
    </message>
</context>
</TS>
