<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActivityLogView</name>
    <message>
        <source>&amp;Copy line</source>
        <translation>Zeile &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
</context>
<context>
    <name>ApiServer</name>
    <message>
        <source>Cannot listen on %1 port %2.</source>
        <translation>Auf %1 Port %2 kann nicht gelauscht werden.</translation>
    </message>
</context>
<context>
    <name>ApiToken</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1 must be a folder of this user&apos;s that nobody else can enter.</source>
        <translation>%1 muss ein Ordner dieses Benutzers sein, den niemand sonst betreten kann.</translation>
    </message>
    <message>
        <source>Cannot write the token file %1: %2</source>
        <translation>Die Token-Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>AttemptOutcome</name>
    <message>
        <source>Finished</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Refused by the unit</source>
        <translation>Vom Gerät abgelehnt</translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation>Keine Verbindung möglich</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>Unusable input</source>
        <translation>Unbrauchbare Eingabe</translation>
    </message>
    <message>
        <source>Output not written</source>
        <translation>Ausgabe nicht geschrieben</translation>
    </message>
    <message>
        <source>Hung up</source>
        <translation>Terminal getrennt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Uploader crashed</source>
        <translation>Uploader abgestürzt</translation>
    </message>
</context>
<context>
    <name>AttemptRecorder</name>
    <message>
        <source>in progress</source>
        <extracomment>The saved log&apos;s outcome while the upload still runs.</extracomment>
        <translation>läuft</translation>
    </message>
    <message>
        <source>no upload</source>
        <extracomment>The saved log&apos;s outcome before any upload was started.</extracomment>
        <translation>kein Upload</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Failed: refused by the unit</source>
        <translation>Fehlgeschlagen: vom Gerät abgelehnt</translation>
    </message>
    <message>
        <source>Failed: could not connect</source>
        <translation>Fehlgeschlagen: keine Verbindung möglich</translation>
    </message>
    <message>
        <source>Failed: connection lost</source>
        <translation>Fehlgeschlagen: Verbindung verloren</translation>
    </message>
    <message>
        <source>Failed: the unit stopped answering</source>
        <translation>Fehlgeschlagen: das Gerät antwortet nicht mehr</translation>
    </message>
    <message>
        <source>Failed: unusable address, port or firmware file</source>
        <translation>Fehlgeschlagen: unbrauchbare Adresse, Port oder Firmware-Datei</translation>
    </message>
    <message>
        <source>Stopped by the operator</source>
        <translation>Vom Bediener angehalten</translation>
    </message>
    <message>
        <source>Failed: the program was closed</source>
        <translation>Fehlgeschlagen: das Programm wurde geschlossen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Size: %1 bytes</source>
        <translation>Größe: %1 Bytes</translation>
    </message>
</context>
<context>
    <name>CliHistory</name>
    <message>
        <source>the program was stopped while it waited for the history</source>
        <translation>das Programm wurde angehalten, während es auf den Verlauf wartete</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>keine Antwort von %1 innerhalb von %2 s</translation>
    </message>
    <message>
        <source>the attempt is not in the flash history (%1); the outcome stands.</source>
        <translation>der Versuch steht nicht im Flash-Verlauf (%1); das Ergebnis bleibt bestehen.</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>Usage: %1 [options] FILE.hex
       %1 --check [--json] [--expect-sha256 HEX]
             [--public-key KEY] FILE.hex

Installs Intel HEX firmware into a control unit over TCP, with the same
conversation, log and reboot wait as the window. The log goes to standard
output; on a terminal, standard error shows the progress. For several units,
run one process per unit.

Options:
  --title TEXT           application title; selects the product profile
                         (default &quot;%2&quot;)
  --address A            the unit&apos;s address (default: the address the window
                         shows for the title: the saved one, else the
                         profile&apos;s)
  --port P               the unit&apos;s TCP port, 1 to 65535 (default: as for
                         --address)
  --debug                log the conversation in detail
  --slow                 pause 30 ms before each record
  --loop N               upload N times in loop mode; 0 for no end
  --save-settings        save the address and port after a finished upload,
                         as the window does (by default the saved values are
                         left as they are)
  --response-timeout MS  give up when the unit has not answered for MS
                         milliseconds during the transfer (default %3)
  --json                 write JSON Lines on standard output instead of the
                         log: start, log, phase, progress and one result,
                         always last
  --check                check the file and print its summary (records, data
                         bytes, address ranges, SHA-256, records passed over)
                         without connecting
  --expect-sha256 HEX    refuse a file whose SHA-256 is not HEX
  --retries N            try to connect up to N more times when the unit
                         cannot be reached (default 0); never once the
                         programming request has gone out
  --retry-delay SECONDS  pause before each further try (default 2)
  --public-key KEY       refuse the file unless its signature verifies with
                         KEY: a .pub key file or the base64 key itself;
                         repeatable, any of the keys may have signed
                         (default: the title&apos;s trusted keys, when the
                         window&apos;s &quot;Flash only signed firmware&quot; is on)
  --signature FILE       the signature of the firmware file (default: the
                         firmware file&apos;s name plus .minisig)
  --history URL          the flash history that gets one row per attempt:
                         sqlite:///path/file.sqlite,
                         postgresql://user@host:port/dbname or off (default:
                         FWU_HISTORY, else
                         ~/.local/share/FirmwareUploader/history.sqlite); a
                         row that cannot be written changes no outcome
  --run-id ID            the run the rows belong to (the station&apos;s)
  --unit-name NAME       the unit&apos;s name for the rows
  --unit-serial TEXT     the serial on the unit&apos;s label, for the rows and the
                         JSON&apos;s unit_serial
  --operator NAME        who runs it, for the rows (default: the login name)
  --firmware-origin PATH the file FILE.hex was copied from, named in the
                         rows and the JSON instead of FILE.hex (for
                         front-ends that pass a private copy)
  --serial-at ADDRESS:LENGTH
                         write the unit&apos;s own value (a serial number, a MAC
                         address) at this absolute address of the image, in
                         LENGTH bytes (1 to 32; decimal or 0x hex)
  --serial-format FORMAT le or be (a number in LENGTH bytes), ascii (decimal
                         digits), hex (upper-case hex digits) or bytes (the
                         value&apos;s own bytes, e.g. 00:1A:2B:3C:4D:5E); default le
  --serial-from SOURCE   take each unit&apos;s value from a pool in the flash
                         history, never one value twice: counter:START[:END],
                         list:FILE (a value a line) or hexlist:FILE (an Intel
                         HEX data record a line, its address and data)
  --serial VALUE         the unit&apos;s value, e.g. from its label; refused when
                         it already finished in the pool
  --serial-pool NAME     the pool of values (default: the title)
  --serial-stale-after SECONDS
                         a value taken this long ago and never settled by its
                         uploader is burnt, never handed out again (default
                         3600)
</source>
        <extracomment>Keep the option names, the words in capitals after them and the columns.</extracomment>
        <translation>Aufruf: %1 [Optionen] FILE.hex
       %1 --check [--json] [--expect-sha256 HEX]
             [--public-key KEY] FILE.hex

Installiert Intel-HEX-Firmware über TCP in ein Steuergerät, mit demselben
Ablauf, Protokoll und Warten auf den Neustart wie das Fenster. Das Protokoll
geht auf die Standardausgabe; auf einem Terminal zeigt die Standardfehlerausgabe
den Fortschritt. Für mehrere Geräte je Gerät einen Prozess starten.

Optionen:
  --title TEXT           Anwendungstitel; wählt das Produktprofil
                         (Vorgabe „%2“)
  --address A            die Adresse des Geräts (Vorgabe: die Adresse, die das
                         Fenster für den Titel zeigt: die gespeicherte, sonst
                         die des Profils)
  --port P               der TCP-Port des Geräts, 1 bis 65535 (Vorgabe: wie
                         bei --address)
  --debug                den Ablauf ausführlich protokollieren
  --slow                 vor jedem Datensatz 30 ms warten
  --loop N               N-mal im Schleifenbetrieb hochladen; 0 ohne Ende
  --save-settings        Adresse und Port nach einem abgeschlossenen Upload
                         speichern, wie das Fenster (ohne diese Option
                         bleiben die gespeicherten Werte unverändert)
  --response-timeout MS  aufgeben, wenn das Gerät während der Übertragung MS
                         Millisekunden lang nicht antwortet (Vorgabe %3)
  --json                 JSON Lines statt des Protokolls auf die
                         Standardausgabe schreiben: start, log, phase,
                         progress und ein result, immer zuletzt
  --check                die Datei prüfen und ihre Zusammenfassung ausgeben
                         (Datensätze, Datenbytes, Adressbereiche, SHA-256,
                         übergangene Datensätze), ohne zu verbinden
  --expect-sha256 HEX    eine Datei ablehnen, deren SHA-256 nicht HEX ist
  --retries N            bis zu N weitere Verbindungsversuche, wenn das Gerät
                         nicht erreichbar ist (Vorgabe 0); nie, nachdem die
                         Programmieranfrage gesendet wurde
  --retry-delay SECONDS  Pause vor jedem weiteren Versuch (Vorgabe 2)
  --public-key KEY       die Datei ablehnen, sofern ihre Signatur nicht mit
                         KEY bestätigt wird: eine .pub-Schlüsseldatei oder
                         der Base64-Schlüssel selbst; wiederholbar, jeder der
                         Schlüssel darf signiert haben (Vorgabe: die
                         vertrauenswürdigen Schlüssel des Titels, wenn im
                         Fenster „Nur signierte Firmware flashen“ an ist)
  --signature FILE       die Signatur der Firmware-Datei (Vorgabe: der Name
                         der Firmware-Datei plus .minisig)
  --history URL          der Flash-Verlauf, der je Versuch eine Zeile erhält:
                         sqlite:///path/file.sqlite,
                         postgresql://user@host:port/dbname oder off
                         (Vorgabe: FWU_HISTORY, sonst
                         ~/.local/share/FirmwareUploader/history.sqlite);
                         eine Zeile, die nicht geschrieben werden kann,
                         ändert kein Ergebnis
  --run-id ID            der Lauf, zu dem die Zeilen gehören (der der Station)
  --unit-name NAME       der Name des Geräts für die Zeilen
  --unit-serial TEXT     die Seriennummer auf dem Etikett des Geräts, für die
                         Zeilen und unit_serial im JSON
  --operator NAME        wer es ausführt, für die Zeilen (Vorgabe: der
                         Anmeldename)
  --firmware-origin PATH die Datei, aus der FILE.hex kopiert wurde; in den
                         Zeilen und im JSON statt FILE.hex genannt (für
                         Oberflächen, die eine private Kopie übergeben)
  --serial-at ADDRESS:LENGTH
                         den eigenen Wert des Geräts (eine Seriennummer, eine
                         MAC-Adresse) an diese absolute Adresse des Abbilds
                         schreiben, in LENGTH Bytes (1 bis 32; dezimal oder
                         0x hex)
  --serial-format FORMAT le oder be (eine Zahl in LENGTH Bytes), ascii
                         (Dezimalziffern), hex (Hexziffern in Großbuchstaben)
                         oder bytes (die Bytes des Werts selbst, z. B.
                         00:1A:2B:3C:4D:5E); Vorgabe le
  --serial-from SOURCE   den Wert jedes Geräts aus einem Pool im Flash-Verlauf
                         nehmen, nie einen Wert zweimal: counter:START[:END],
                         list:FILE (ein Wert je Zeile) oder hexlist:FILE (ein
                         Intel-HEX-Datensatz je Zeile, seine Adresse und
                         Daten)
  --serial VALUE         der Wert des Geräts, z. B. von seinem Etikett;
                         abgelehnt, wenn er im Pool bereits abgeschlossen ist
  --serial-pool NAME     der Pool der Werte (Vorgabe: der Titel)
  --serial-stale-after SECONDS
                         ein Wert, der vor so langer Zeit genommen und von
                         seinem Uploader nie abgeschlossen wurde, gilt als
                         burnt und wird nie wieder ausgegeben (Vorgabe 3600)
</translation>
    </message>
    <message>
        <source>  -h, --help             show this text
  -v, --version          show the version

Exit codes:
  %1    finished: the unit has the firmware and has rebooted (--check: the
       file is sound)
  %2    refused by the unit (or it answered more often than records were
       sent)
  %3    could not connect
  %4    connection lost, or the unit stopped answering
  %5    bad arguments, bad address or port, a firmware file that cannot be
       read, is not valid Intel HEX, is not the expected image, or has no
       signature that verifies with a --public-key (or a trusted key, when
       only signed firmware is flashed)
  5    finished (--check: sound), but standard output could not be written
  129  hung up (SIGHUP: the terminal was closed)
  %6  interrupted (SIGINT or SIGTERM)
</source>
        <extracomment>Keep the option names and the columns.</extracomment>
        <translation>  -h, --help             diesen Text anzeigen
  -v, --version          die Version anzeigen

Exit-Codes:
  %1    finished: das Gerät hat die Firmware und ist neu gestartet (--check:
       die Datei ist einwandfrei)
  %2    vom Gerät abgelehnt (oder es antwortete öfter, als Datensätze
       gesendet wurden)
  %3    keine Verbindung möglich
  %4    Verbindung verloren, oder das Gerät antwortet nicht mehr
  %5    falsche Argumente, falsche Adresse oder falscher Port, eine
       Firmware-Datei, die nicht lesbar ist, kein gültiges Intel HEX ist,
       nicht das erwartete Abbild ist oder keine Signatur hat, die mit einem
       --public-key bestätigt wird (oder mit einem vertrauenswürdigen
       Schlüssel, wenn nur signierte Firmware geflasht wird)
  5    finished (--check: einwandfrei), aber die Standardausgabe konnte nicht
       geschrieben werden
  129  Terminal getrennt (SIGHUP: das Terminal wurde geschlossen)
  %6  unterbrochen (SIGINT oder SIGTERM)
</translation>
    </message>
</context>
<context>
    <name>CliUploader</name>
    <message>
        <source>the address and port could not be saved in &quot;%1&quot;; the next run will not find them.</source>
        <translation>Adresse und Port konnten nicht in „%1“ gespeichert werden; der nächste Lauf findet sie nicht.</translation>
    </message>
    <message>
        <source>cannot write standard output: %1; the record of this run is incomplete.</source>
        <translation>die Standardausgabe kann nicht geschrieben werden: %1; die Aufzeichnung dieses Laufs ist unvollständig.</translation>
    </message>
    <message>
        <source>Serial region: %1, format %2, pool &quot;%3&quot;</source>
        <translation>Seriennummernbereich: %1, Format %2, Pool „%3“</translation>
    </message>
    <message>
        <source>each hexlist record&apos;s own</source>
        <translation>der eigene jedes hexlist-Datensatzes</translation>
    </message>
    <message>
        <source>Next value: cannot be told: %1</source>
        <translation>Nächster Wert: nicht feststellbar: %1</translation>
    </message>
    <message>
        <source>Next value: %1</source>
        <translation>Nächster Wert: %1</translation>
    </message>
    <message>
        <source>Patched record: %1</source>
        <translation>Geänderter Datensatz: %1</translation>
    </message>
    <message>
        <source>%1: valid Intel HEX, %2 bytes</source>
        <translation>%1: gültiges Intel HEX, %2 Bytes</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Signatur: %1</translation>
    </message>
</context>
<context>
    <name>ClientArea</name>
    <message>
        <source>Firmware File</source>
        <translation>Firmware-Datei</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation>Verbindungseinstellungen</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The unit&apos;s network address.</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The unit&apos;s TCP port number.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation>Laden und starten</translation>
    </message>
    <message>
        <source>Select Firmware File...</source>
        <translation>Firmware-Datei wählen...</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Aktivitätsprotokoll</translation>
    </message>
    <message>
        <source>What the upload did, newest line last; green after a finished upload, red after a failure</source>
        <translation>Was der Upload getan hat, neueste Zeile zuletzt; grün nach einem abgeschlossenen Upload, rot nach einem Fehler</translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation>Upload-Fortschritt</translation>
    </message>
    <message>
        <source>Share of the firmware file sent, and time left</source>
        <translation>Gesendeter Anteil der Firmware-Datei und verbleibende Zeit</translation>
    </message>
    <message>
        <source>Click to choose the firmware file</source>
        <translation>Klicken, um die Firmware-Datei zu wählen</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>Firmware-Datei</translation>
    </message>
    <message>
        <source>The chosen firmware file; click to choose another, or drop one on the window</source>
        <translation>Die gewählte Firmware-Datei; klicken, um eine andere zu wählen, oder eine auf das Fenster ziehen</translation>
    </message>
    <message>
        <source>Where the unit is on the network</source>
        <translation>Wo das Gerät im Netzwerk ist</translation>
    </message>
    <message>
        <source>Network address of the unit</source>
        <translation>Netzwerkadresse des Geräts</translation>
    </message>
    <message>
        <source>TCP port of the unit</source>
        <translation>TCP-Port des Geräts</translation>
    </message>
    <message>
        <source>Label of the address box</source>
        <translation>Beschriftung des Adressfelds</translation>
    </message>
    <message>
        <source>Label of the port box</source>
        <translation>Beschriftung des Portfelds</translation>
    </message>
    <message>
        <source>Send the chosen firmware file to the unit</source>
        <translation>Die gewählte Firmware-Datei an das Gerät senden</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Only signed firmware is flashed here: %1</source>
        <translation>Hier wird nur signierte Firmware geflasht: %1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history: %1</source>
        <translation>Der Versuch steht nicht im Flash-Verlauf: %1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history (%1).</source>
        <translation>Der Versuch steht nicht im Flash-Verlauf (%1).</translation>
    </message>
    <message>
        <source>Stopped before it started.</source>
        <translation>Angehalten, bevor es begann.</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>keine Antwort von %1 innerhalb von %2 s</translation>
    </message>
    <message>
        <source>The uploader crashed (signal %1).</source>
        <translation>Der Uploader ist abgestürzt (Signal %1).</translation>
    </message>
    <message>
        <source>The uploader ended with exit code %1 and no result.</source>
        <translation>Der Uploader endete mit Exit-Code %1 und ohne Ergebnis.</translation>
    </message>
    <message>
        <source>The uploader reported exit code %1 but ended with %2.</source>
        <translation>Der Uploader meldete Exit-Code %1, endete aber mit %2.</translation>
    </message>
    <message>
        <source>Cannot start the uploader %1: %2</source>
        <translation>Der Uploader %1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>No firmware file given.</source>
        <translation>Keine Firmware-Datei angegeben.</translation>
    </message>
    <message>
        <source>One firmware file at a time; run one process per unit. Unexpected: &quot;%1&quot;.</source>
        <translation>Eine Firmware-Datei auf einmal; starten Sie einen Prozess pro Gerät. Unerwartet: „%1“.</translation>
    </message>
    <message>
        <source>The firmware file name is empty.</source>
        <translation>Der Name der Firmware-Datei ist leer.</translation>
    </message>
    <message>
        <source>No product profile matches the title &quot;%1&quot;; a title begins with one of %2.</source>
        <translation>Kein Produktprofil passt zum Titel „%1“; ein Titel beginnt mit einem von %2.</translation>
    </message>
    <message>
        <source>--address needs the unit&apos;s address.</source>
        <translation>--address braucht die Adresse des Geräts.</translation>
    </message>
    <message>
        <source>--port: %1.</source>
        <translation>--port: %1.</translation>
    </message>
    <message>
        <source>--loop needs a whole number of uploads (0 for no end), not &quot;%1&quot;.</source>
        <translation>--loop braucht eine ganze Zahl von Uploads (0 für endlos), nicht „%1“.</translation>
    </message>
    <message>
        <source>--response-timeout needs a whole number of milliseconds from 1 up, not &quot;%1&quot;.</source>
        <translation>--response-timeout braucht eine ganze Zahl von Millisekunden ab 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>--expect-sha256 needs the 64 hexadecimal digits of a SHA-256, not &quot;%1&quot;.</source>
        <translation>--expect-sha256 braucht die 64 Hexadezimalziffern eines SHA-256, nicht „%1“.</translation>
    </message>
    <message>
        <source>--retries needs a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--retries braucht eine ganze Zahl von 0 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--retry-delay needs a number of seconds from 0 to %1 (e.g. 2 or 0.5), not &quot;%2&quot;.</source>
        <translation>--retry-delay braucht eine Anzahl Sekunden von 0 bis %1 (z. B. 2 oder 0.5), nicht „%2“.</translation>
    </message>
    <message>
        <source>--public-key needs a key file or a base64 key.</source>
        <translation>--public-key braucht eine Schlüsseldatei oder einen Base64-Schlüssel.</translation>
    </message>
    <message>
        <source>--signature needs the signature file&apos;s name.</source>
        <translation>--signature braucht den Namen der Signaturdatei.</translation>
    </message>
    <message>
        <source>--signature is checked against --public-key; give the key that signed.</source>
        <translation>--signature wird gegen --public-key geprüft; geben Sie den Schlüssel an, der signiert hat.</translation>
    </message>
    <message>
        <source>--history: %1.</source>
        <translation>--history: %1.</translation>
    </message>
    <message>
        <source>--firmware-origin needs the path of the file the copy was made from.</source>
        <translation>--firmware-origin braucht den Pfad der Datei, von der die Kopie stammt.</translation>
    </message>
    <message>
        <source>--serial-stale-after needs a whole number of seconds from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--serial-stale-after braucht eine ganze Zahl von Sekunden von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--serial and --serial-from both give the unit&apos;s value; give one.</source>
        <translation>--serial und --serial-from geben beide den Wert des Geräts an; geben Sie nur eine an.</translation>
    </message>
    <message>
        <source>Say where the unit&apos;s value comes from: --serial-from SOURCE or --serial VALUE.</source>
        <translation>Geben Sie an, woher der Wert des Geräts kommt: --serial-from SOURCE oder --serial VALUE.</translation>
    </message>
    <message>
        <source>--serial needs the unit&apos;s value.</source>
        <translation>--serial braucht den Wert des Geräts.</translation>
    </message>
    <message>
        <source>--serial-at ADDRESS:LENGTH is needed: where the unit&apos;s value goes in the image.</source>
        <translation>--serial-at ADDRESS:LENGTH wird gebraucht: wo der Wert des Geräts im Abbild steht.</translation>
    </message>
    <message>
        <source>--serial-format: %1</source>
        <translation>--serial-format: %1</translation>
    </message>
    <message>
        <source>--serial-at: %1</source>
        <translation>--serial-at: %1</translation>
    </message>
    <message>
        <source>--serial: %1</source>
        <translation>--serial: %1</translation>
    </message>
    <message>
        <source>--serial-from: %1</source>
        <translation>--serial-from: %1</translation>
    </message>
    <message>
        <source>--serial-from takes its values from a pool in the flash history, and the history is off: give --history, or one value with --serial.</source>
        <translation>--serial-from nimmt seine Werte aus einem Pool im Flash-Verlauf, und der Verlauf ist aus: --history angeben, oder einen einzelnen Wert mit --serial.</translation>
    </message>
    <message>
        <source>The image has a signature file that cannot be read (%1): where the signer allows per-unit data cannot be told.</source>
        <translation>Das Abbild hat eine Signaturdatei, die nicht lesbar ist (%1): wo der Signierer gerätespezifische Daten erlaubt, ist nicht feststellbar.</translation>
    </message>
    <message>
        <source>The signed image allows per-unit data only in %1; %2 is outside.</source>
        <translation>Das signierte Abbild erlaubt gerätespezifische Daten nur in %1; %2 liegt außerhalb.</translation>
    </message>
    <message>
        <source>The pool of values cannot be reached: %1</source>
        <translation>Der Pool der Werte ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The pool &quot;%1&quot; handed out &quot;%2&quot;, which its source does not hold.</source>
        <translation>Der Pool „%1“ hat „%2“ ausgegeben, das seine Quelle nicht enthält.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; does not fit %2.</source>
        <translation>Der Wert „%1“ passt nicht zu %2.</translation>
    </message>
    <message>
        <source>The pool could not be told that %1 is %2: %3</source>
        <translation>Dem Pool konnte nicht mitgeteilt werden, dass %1 %2 ist: %3</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;), but no key is trusted there: add one, or give --public-key.</source>
        <translation>„Nur signierte Firmware flashen“ ist für „%1“ an (Datei &gt; Vertrauenswürdige Schlüssel im Fenster, gespeichert in „%2“), aber dort ist kein Schlüssel vertrauenswürdig: einen hinzufügen oder --public-key angeben.</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;): %3</source>
        <translation>„Nur signierte Firmware flashen“ ist für „%1“ an (Datei &gt; Vertrauenswürdige Schlüssel im Fenster, gespeichert in „%2“): %3</translation>
    </message>
    <message>
        <source>cannot create a scratch folder: %1</source>
        <translation>kann keinen Arbeitsordner anlegen: %1</translation>
    </message>
    <message>
        <source>no address is saved or known for &quot;%1&quot;: give --address.</source>
        <translation>für „%1“ ist keine Adresse gespeichert oder bekannt: geben Sie --address an.</translation>
    </message>
    <message>
        <source>no port is saved or known for &quot;%1&quot;: give --port.</source>
        <translation>für „%1“ ist kein Port gespeichert oder bekannt: geben Sie --port an.</translation>
    </message>
    <message>
        <source>could not connect to the unit at %1 port %2.</source>
        <translation>keine Verbindung zum Gerät unter %1 Port %2.</translation>
    </message>
    <message>
        <source>the attempt failed; the log says why.</source>
        <translation>der Versuch ist fehlgeschlagen; das Protokoll nennt den Grund.</translation>
    </message>
    <message>
        <source>hung up; the connection to the unit is closed.</source>
        <translation>aufgelegt; die Verbindung zum Gerät ist geschlossen.</translation>
    </message>
    <message>
        <source>interrupted; the connection to the unit is closed.</source>
        <translation>unterbrochen; die Verbindung zum Gerät ist geschlossen.</translation>
    </message>
    <message>
        <source>Could not connect; try %1 of %2 in %3 seconds.</source>
        <translation>Keine Verbindung; Versuch %1 von %2 in %3 Sekunden.</translation>
    </message>
    <message>
        <source>Serial value %1 from pool &quot;%2&quot;.</source>
        <translation>Seriennummer %1 aus Pool „%2“.</translation>
    </message>
    <message>
        <source>cannot open the firmware file &quot;%1&quot;: %2</source>
        <translation>die Firmware-Datei „%1“ lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <translation>die Firmware-Datei „%1“ ist kein gültiges Intel HEX: %2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not the expected image: its SHA-256 is %2, expected %3.</source>
        <translation>die Firmware-Datei „%1“ ist nicht das erwartete Abbild: ihr SHA-256 ist %2, erwartet %3.</translation>
    </message>
    <message>
        <source>FWU_TIME_SCALE must be a number above 0 and at most 1, not &quot;%1&quot;.</source>
        <translation>FWU_TIME_SCALE muss eine Zahl über 0 und höchstens 1 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>the history &quot;%1&quot; cannot be used: %2</source>
        <translation>der Verlauf „%1“ ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>an SQLite history needs an absolute file name, as in sqlite:///path/history.sqlite</source>
        <translation>ein SQLite-Verlauf braucht einen absoluten Dateinamen, wie in sqlite:///path/history.sqlite</translation>
    </message>
    <message>
        <source>give sqlite:///path/file.sqlite, postgresql://user@host:port/dbname or off</source>
        <translation>geben Sie sqlite:///path/file.sqlite, postgresql://user@host:port/dbname oder off an</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key=value pair</source>
        <translation>„%1“ ist kein key=value-Paar</translation>
    </message>
    <message>
        <source>one server only</source>
        <translation>nur ein Server</translation>
    </message>
    <message>
        <source>an IPv6 address without its closing bracket</source>
        <translation>eine IPv6-Adresse ohne schließende Klammer</translation>
    </message>
    <message>
        <source>unexpected text after the IPv6 address</source>
        <translation>unerwarteter Text nach der IPv6-Adresse</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>der Port muss eine Zahl von 1 bis 65535 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; cannot be passed on</source>
        <translation>der Parameter „%1“ kann nicht weitergegeben werden</translation>
    </message>
    <message>
        <source>the history has schema version %1, newer than this program&apos;s %2; it is left as it is: use a newer release of the program</source>
        <translation>der Verlauf hat die Schemaversion %1, neuer als die %2 dieses Programms; er bleibt unverändert: verwenden Sie eine neuere Version des Programms</translation>
    </message>
    <message>
        <source>the history has attempts but no schema_version table</source>
        <translation>der Verlauf enthält Versuche, aber keine Tabelle schema_version</translation>
    </message>
    <message>
        <source>the schema_version table holds no version</source>
        <translation>die Tabelle schema_version enthält keine Version</translation>
    </message>
    <message>
        <source>the history at %1: %2</source>
        <translation>der Verlauf unter %1: %2</translation>
    </message>
    <message>
        <source>there is no history file</source>
        <translation>es gibt keine Verlaufsdatei</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>kann den Ordner %1 nicht anlegen</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>kann die Datei nicht anlegen: %1</translation>
    </message>
    <message>
        <source>the history file is a symbolic link; give the file itself</source>
        <translation>die Verlaufsdatei ist ein symbolischer Link; die Datei selbst angeben</translation>
    </message>
    <message>
        <source>the history is not a file</source>
        <translation>der Verlauf ist keine Datei</translation>
    </message>
    <message>
        <source>the Qt SQL driver %1 is not installed</source>
        <translation>der Qt-SQL-Treiber %1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the history is off</source>
        <translation>der Verlauf ist aus</translation>
    </message>
    <message>
        <source>serial pool %1 holds %2, not %3</source>
        <translation>Seriennummern-Pool %1 enthält %2, nicht %3</translation>
    </message>
    <message>
        <source>serial pool %1 is used up: last number %2</source>
        <translation>Seriennummern-Pool %1 ist aufgebraucht: letzte Nummer %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 was taken meanwhile; try again</source>
        <translation>Seriennummer %1 in Pool %2 wurde inzwischen vergeben; erneut versuchen</translation>
    </message>
    <message>
        <source>serial %1 already finished in pool %2</source>
        <translation>Seriennummer %1 ist in Pool %2 bereits abgeschlossen</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is being written to %3 from %4</source>
        <translation>Seriennummer %1 in Pool %2 wird gerade von %4 auf %3 geschrieben</translation>
    </message>
    <message>
        <source>a number ends used, burnt or returned</source>
        <translation>eine Nummer endet als used, burnt oder returned</translation>
    </message>
    <message>
        <source>serial %1 is not in pool %2</source>
        <translation>Seriennummer %1 ist nicht in Pool %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is %3 for attempt %4, not held by attempt %5; it is left as it is</source>
        <translation>Seriennummer %1 in Pool %2 ist %3 für Versuch %4, nicht von Versuch %5 gehalten; sie bleibt unverändert</translation>
    </message>
    <message>
        <source>Address and port not saved: cannot write %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Adresse und Port nicht gespeichert: %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Geöffnet</translation>
    </message>
    <message>
        <source>Listening</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Lauscht</translation>
    </message>
    <message>
        <source>Connection pending</source>
        <translation>Verbindung ausstehend</translation>
    </message>
    <message>
        <source>Resolving %1</source>
        <extracomment>%1 is the unit&apos;s host name, being looked up</extracomment>
        <translation>%1 wird aufgelöst</translation>
    </message>
    <message>
        <source>Resolved %1</source>
        <extracomment>%1 is the unit&apos;s host name, looked up</extracomment>
        <translation>%1 aufgelöst</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Verbindung zu %1 wird hergestellt</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>%1 is closing the connection</source>
        <translation>%1 schließt die Verbindung</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unknown state</source>
        <translation>Unbekannter Zustand</translation>
    </message>
    <message>
        <source>port &quot;%1&quot; is not a whole number from %2 to %3</source>
        <extracomment>Part of a sentence that says what is wrong; %1 is the text given as the port</extracomment>
        <translation>Port „%1“ ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <extracomment>%1 is the text given as the port</extracomment>
        <translation>Port „%1“ ist keine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>Ethernet Error%1</source>
        <extracomment>%1 is the error number with a space or a minus sign in front of it (&quot; 10061&quot;, &quot;-5&quot;)</extracomment>
        <translation>Ethernet-Fehler%1</translation>
    </message>
    <message>
        <source>Hint: Found device but port was not availaible. Verify port number.</source>
        <translation>Hinweis: Gerät gefunden, aber der Port war nicht verfügbar. Bitte prüfen Sie die Portnummer.</translation>
    </message>
    <message>
        <source>Hint: Verify Ethernet Interface is configured as &apos;TCP Server&apos;.</source>
        <translation>Hinweis: Prüfen Sie, ob die Ethernet-Schnittstelle als „TCP Server“ konfiguriert ist.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, so it cannot be opened by that name; rename the file</source>
        <translation>der Dateiname ist kein gültiges UTF-8, daher kann die Datei unter diesem Namen nicht geöffnet werden; benennen Sie die Datei um</translation>
    </message>
    <message>
        <source>its symbolic links form a loop</source>
        <translation>die symbolischen Verknüpfungen bilden eine Schleife</translation>
    </message>
    <message>
        <source>a folder on its path cannot be searched (permission denied)</source>
        <translation>ein Ordner auf dem Pfad kann nicht durchsucht werden (Zugriff verweigert)</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>das ist eine symbolische Verknüpfung auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is %1 bytes, more than any firmware image (at most %2 bytes)</source>
        <translation>die Datei hat %1 Bytes, mehr als jedes Firmware-Abbild (höchstens %2 Bytes)</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Firmware-Datei öffnen</translation>
    </message>
    <message>
        <source>Firmware Files (*.hex)|*.hex</source>
        <extracomment>A file type and its pattern: keep &quot;(*.hex)|*.hex&quot; as it is.</extracomment>
        <translation>Firmware-Dateien (*.hex)|*.hex</translation>
    </message>
    <message>
        <source>Loading firmware file, please wait...</source>
        <translation>Firmware-Datei wird geladen, bitte warten...</translation>
    </message>
    <message>
        <source>the file holds a public key, not a signature.</source>
        <translation>die Datei enthält einen öffentlichen Schlüssel, keine Signatur.</translation>
    </message>
    <message>
        <source>a signature file has 4 lines, this one has %1.</source>
        <translation>eine Signaturdatei hat 4 Zeilen, diese hat %1.</translation>
    </message>
    <message>
        <source>the signature file does not begin with &quot;untrusted comment:&quot;.</source>
        <translation>die Signaturdatei beginnt nicht mit „untrusted comment:“.</translation>
    </message>
    <message>
        <source>the third line of the signature file is not a &quot;trusted comment: &quot;.</source>
        <translation>die dritte Zeile der Signaturdatei ist kein „trusted comment: “.</translation>
    </message>
    <message>
        <source>the signature</source>
        <translation>die Signatur</translation>
    </message>
    <message>
        <source>the global signature</source>
        <translation>die globale Signatur</translation>
    </message>
    <message>
        <source>the signature algorithm &quot;%1&quot; is unknown (hex %2).</source>
        <translation>der Signaturalgorithmus „%1“ ist unbekannt (hex %2).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Records to send: %1</source>
        <translation>Zu sendende Datensätze: %1</translation>
    </message>
    <message>
        <source>Data bytes: %1</source>
        <translation>Datenbytes: %1</translation>
    </message>
    <message>
        <source>Address ranges: %1 and %2 more</source>
        <translation>Adressbereiche: %1 und %2 weitere</translation>
    </message>
    <message>
        <source>Address ranges: %1</source>
        <translation>Adressbereiche: %1</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address range; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>Zweimal mit verschiedenen Bytes beschrieben: %1 Adressbereich; das Gerät empfängt die Datensätze in der Reihenfolge der Datei und behält daher die Bytes der späteren Zeile:</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address ranges; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>Zweimal mit verschiedenen Bytes beschrieben: %1 Adressbereiche; das Gerät empfängt die Datensätze in der Reihenfolge der Datei und behält daher die Bytes der späteren Zeile:</translation>
    </message>
    <message>
        <source>  %1: line %2, then line %3</source>
        <translation>  %1: Zeile %2, dann Zeile %3</translation>
    </message>
    <message>
        <source>  and %1 more</source>
        <translation>  und %1 weitere</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): none</source>
        <translation>Übergangen (Ladeadresse FC00 bis FFFF): keine</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 record, line %2</source>
        <translation>Übergangen (Ladeadresse FC00 bis FFFF): %1 Datensatz, Zeile %2</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2</source>
        <translation>Übergangen (Ladeadresse FC00 bis FFFF): %1 Datensätze, Zeilen %2</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2 and %3 more</source>
        <translation>Übergangen (Ladeadresse FC00 bis FFFF): %1 Datensätze, Zeilen %2 und %3 weitere</translation>
    </message>
    <message>
        <source>data</source>
        <extracomment>The kind of an Intel HEX record of type 00.</extracomment>
        <translation>Daten</translation>
    </message>
    <message>
        <source>end of file</source>
        <translation>Dateiende</translation>
    </message>
    <message>
        <source>extended segment address</source>
        <translation>erweiterte Segmentadresse</translation>
    </message>
    <message>
        <source>start segment address</source>
        <translation>Segment-Startadresse</translation>
    </message>
    <message>
        <source>extended linear address</source>
        <translation>erweiterte lineare Adresse</translation>
    </message>
    <message>
        <source>start linear address</source>
        <translation>lineare Startadresse</translation>
    </message>
    <message>
        <source>character &apos;%1&apos;</source>
        <translation>Zeichen „%1“</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>Byte 0x%1</translation>
    </message>
    <message>
        <source>longer than any record can be (at most %1 characters)</source>
        <translation>länger, als ein Datensatz sein kann (höchstens %1 Zeichen)</translation>
    </message>
    <message>
        <source>does not start with &apos;:&apos; but with %1</source>
        <translation>beginnt nicht mit „:“, sondern mit %1</translation>
    </message>
    <message>
        <source>%1 at column %2 is not a hexadecimal digit</source>
        <translation>%1 in Spalte %2 ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>too short for a record (%1 characters, at least 11 needed)</source>
        <translation>zu kurz für einen Datensatz (%1 Zeichen, mindestens 11 nötig)</translation>
    </message>
    <message>
        <source>has an odd number of hexadecimal digits (%1)</source>
        <translation>hat eine ungerade Anzahl Hexadezimalziffern (%1)</translation>
    </message>
    <message>
        <source>byte count says %1 data bytes, but the line holds %2</source>
        <translation>die Byteanzahl nennt %1 Datenbytes, die Zeile enthält aber %2</translation>
    </message>
    <message>
        <source>checksum is %1, should be %2</source>
        <translation>Prüfsumme ist %1, sollte %2 sein</translation>
    </message>
    <message>
        <source>record type %1 is unknown (known types are 00 to 05)</source>
        <translation>Datensatztyp %1 ist unbekannt (bekannt sind die Typen 00 bis 05)</translation>
    </message>
    <message>
        <source>type %1 (%2) must carry %3 data bytes, this one carries %4</source>
        <translation>Typ %1 (%2) muss %3 Datenbytes tragen, dieser trägt %4</translation>
    </message>
    <message>
        <source>starts with a UTF-8 byte-order mark (bytes EF BB BF); save the file without it</source>
        <translation>beginnt mit einer UTF-8-Bytereihenfolgemarkierung (Bytes EF BB BF); speichern Sie die Datei ohne sie</translation>
    </message>
    <message>
        <source>holds a DOS end-of-file byte (Ctrl-Z, 1A) at column %1; remove it</source>
        <translation>enthält in Spalte %1 ein DOS-Dateiende-Byte (Strg-Z, 1A); entfernen Sie es</translation>
    </message>
    <message>
        <source>holds only blanks (spaces or tabs); remove them</source>
        <translation>enthält nur Leerraum (Leerzeichen oder Tabulatoren); entfernen Sie ihn</translation>
    </message>
    <message>
        <source>ends in blanks (spaces or tabs) from column %1; remove them</source>
        <translation>endet ab Spalte %1 mit Leerraum (Leerzeichen oder Tabulatoren); entfernen Sie ihn</translation>
    </message>
    <message>
        <source>line %1: a record follows the end-of-file record of line %2</source>
        <translation>Zeile %1: ein Datensatz folgt auf den Dateiende-Datensatz in Zeile %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file holds no records, only empty lines</source>
        <translation>die Datei enthält keine Datensätze, nur leere Zeilen</translation>
    </message>
    <message>
        <source>the file does not end with an end-of-file record (type 01): its last record, on line %1, is type %2</source>
        <translation>die Datei endet nicht mit einem Dateiende-Datensatz (Typ 01): ihr letzter Datensatz in Zeile %1 hat den Typ %2</translation>
    </message>
    <message>
        <source>line %1: the end-of-file record loads at FC00 to FFFF, where records are never sent</source>
        <translation>Zeile %1: der Dateiende-Datensatz lädt bei FC00 bis FFFF, wohin nie Datensätze gesendet werden</translation>
    </message>
    <message>
        <source>the file holds no data that would be sent (records at FC00 to FFFF are never sent): the unit would be left without firmware</source>
        <translation>die Datei enthält keine Daten, die gesendet würden (Datensätze bei FC00 bis FFFF werden nie gesendet): das Gerät bliebe ohne Firmware</translation>
    </message>
    <message>
        <source>%1 is not valid base64.</source>
        <translation>%1 ist kein gültiges Base64.</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3.</source>
        <translation>%1 hat %2 Bytes statt %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is a folder.</source>
        <translation>%1 „%2“ ist ein Ordner.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a regular file.</source>
        <translation>%1 „%2“ ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>cannot read %1 &quot;%2&quot;: %3</source>
        <translation>%1 „%2“ kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is larger than %3 bytes.</source>
        <translation>%1 „%2“ ist größer als %3 Bytes.</translation>
    </message>
    <message>
        <source>a public key is one base64 line, after an optional &quot;untrusted comment:&quot; line.</source>
        <translation>ein öffentlicher Schlüssel ist eine Base64-Zeile, nach einer optionalen Zeile „untrusted comment:“.</translation>
    </message>
    <message>
        <source>the public key</source>
        <translation>der öffentliche Schlüssel</translation>
    </message>
    <message>
        <source>the public key is not an Ed25519 key (algorithm &quot;%1&quot;).</source>
        <translation>der öffentliche Schlüssel ist kein Ed25519-Schlüssel (Algorithmus „%1“).</translation>
    </message>
    <message>
        <source>the public key file</source>
        <translation>die Datei des öffentlichen Schlüssels</translation>
    </message>
    <message>
        <source>no file by that name, and %1</source>
        <translation>keine Datei mit diesem Namen, und %1</translation>
    </message>
    <message>
        <source>the public key &quot;%1&quot; cannot be used: %2</source>
        <translation>der öffentliche Schlüssel „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the signature file</source>
        <translation>die Signaturdatei</translation>
    </message>
    <message>
        <source>the firmware is not signed: %1</source>
        <translation>die Firmware ist nicht signiert: %1</translation>
    </message>
    <message>
        <source>the signature &quot;%1&quot; is refused: %2</source>
        <translation>die Signatur „%1“ wird abgelehnt: %2</translation>
    </message>
    <message>
        <source>the signature library could not start.</source>
        <translation>die Signaturbibliothek konnte nicht starten.</translation>
    </message>
    <message>
        <source>it was made with key %1, which is not trusted here (trusted: %2).</source>
        <translation>sie wurde mit dem Schlüssel %1 erstellt, der hier nicht vertrauenswürdig ist (vertrauenswürdig: %2).</translation>
    </message>
    <message>
        <source>it does not match the firmware: the image is not the one key %1 signed.</source>
        <translation>sie passt nicht zur Firmware: das Abbild ist nicht das, welches der Schlüssel %1 signiert hat.</translation>
    </message>
    <message>
        <source>its trusted comment is not the one key %1 signed.</source>
        <translation>ihr vertrauenswürdiger Kommentar ist nicht der, den der Schlüssel %1 signiert hat.</translation>
    </message>
    <message>
        <source>Signed by key %1: %2</source>
        <translation>Signiert mit Schlüssel %1: %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Keine Route zum Host</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Verbindung von der Gegenstelle zurückgesetzt</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Datenübergabe unterbrochen (broken pipe)</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Software verursachte einen Verbindungsabbruch</translation>
    </message>
    <message>
        <source>Cannot assign requested address</source>
        <translation>Die angeforderte Adresse kann nicht zugewiesen werden</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Die Adresse wird bereits verwendet</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>Host ist ausgefallen</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Netzwerk ist ausgefallen</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>Netzwerk hat die Verbindung beim Zurücksetzen abgebrochen</translation>
    </message>
    <message>
        <source>Address family not supported by protocol</source>
        <translation>Adressfamilie wird vom Protokoll nicht unterstützt</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Zu viele offene Dateien im System</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Kein Pufferspeicher verfügbar</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Speicher kann nicht zugewiesen werden</translation>
    </message>
    <message>
        <source>System error %1</source>
        <extracomment>The words for a system error number when the system&apos;s own cannot be had</extracomment>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>an IPv4 address is four numbers from 0 to 255 separated by dots, such as 192.168.1.50</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>eine IPv4-Adresse besteht aus vier Zahlen von 0 bis 255, durch Punkte getrennt, etwa 192.168.1.50</translation>
    </message>
    <message>
        <source>write the numbers without leading zeros, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>schreiben Sie die Zahlen ohne führende Nullen, also %1</translation>
    </message>
    <message>
        <source>a host name is letters, digits and hyphens, in parts separated by dots</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>ein Host-Name besteht aus Buchstaben, Ziffern und Bindestrichen, in durch Punkte getrennten Teilen</translation>
    </message>
    <message>
        <source>enter the unit&apos;s IPv4 address or host name</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>geben Sie die IPv4-Adresse oder den Host-Namen des Geräts ein</translation>
    </message>
    <message>
        <source>write the address without the dot at its end, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>schreiben Sie die Adresse ohne den Punkt am Ende, also %1</translation>
    </message>
    <message>
        <source>the region %1: %2 not in the image&apos;s data</source>
        <translation>der Bereich %1: %2 nicht in den Daten des Abbilds</translation>
    </message>
    <message>
        <source>the region %1: line %2 writes to it but loads at FC00-FFFF, where records are never sent</source>
        <translation>der Bereich %1: Zeile %2 schreibt hinein, lädt aber bei FC00-FFFF, wohin nie Datensätze gesendet werden</translation>
    </message>
    <message>
        <source>the region %1 is not 1 to %2 bytes long</source>
        <translation>der Bereich %1 ist nicht 1 bis %2 Bytes lang</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no format; the formats are le, be, ascii, hex and bytes</source>
        <translation>„%1“ ist kein Format; die Formate sind le, be, ascii, hex und bytes</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bytes of format %3 (the largest is %4)</source>
        <translation>%1 passt nicht in %2 Bytes im Format %3 (höchstens %4)</translation>
    </message>
    <message>
        <source>the length is %1 bytes; it must be 1 to %2</source>
        <translation>die Länge ist %1 Bytes; sie muss 1 bis %2 sein</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos;</source>
        <translation>der Wert „%1“</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; is not bytes written as 00:1A:2B or 001A2B</source>
        <translation>der Wert „%1“ sind keine Bytes in der Form 00:1A:2B oder 001A2B</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; has %2 bytes, the region %3</source>
        <translation>der Wert „%1“ hat %2 Bytes, der Bereich %3</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 hat keine Ziffern</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a hexadecimal digit</source>
        <translation>%1 enthält „%2“, keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a decimal digit</source>
        <translation>%1 enthält „%2“, keine Dezimalziffer</translation>
    </message>
    <message>
        <source>%1 is larger than %2, the largest number taken</source>
        <translation>%1 ist größer als %2, die größte angenommene Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not ADDRESS:LENGTH (e.g. 0x7FF0:4)</source>
        <translation>„%1“ ist nicht ADDRESS:LENGTH (z. B. 0x7FF0:4)</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>die Adresse</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>die Länge</translation>
    </message>
    <message>
        <source>the region %1 reaches past 0xFFFFFFFF, the highest address</source>
        <translation>der Bereich %1 reicht über 0xFFFFFFFF hinaus, die höchste Adresse</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no source; the sources are counter:START[:END], list:FILE and hexlist:FILE</source>
        <translation>„%1“ ist keine Quelle; die Quellen sind counter:START[:END], list:FILE und hexlist:FILE</translation>
    </message>
    <message>
        <source>cannot read the %1 file &apos;%2&apos;: %3</source>
        <translation>die %1-Datei „%2“ kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos; is larger than %3 MiB</source>
        <translation>die %1-Datei „%2“ ist größer als %3 MiB</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos;: %3</source>
        <translation>die %1-Datei „%2“: %3</translation>
    </message>
    <message>
        <source>the counter&apos;s START</source>
        <translation>START des Zählers</translation>
    </message>
    <message>
        <source>the counter&apos;s END</source>
        <translation>END des Zählers</translation>
    </message>
    <message>
        <source>the counter&apos;s END %1 is below its START %2</source>
        <translation>END %1 des Zählers liegt unter seinem START %2</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>größer als %1 MiB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>Zeile %1 ist länger als %2 Bytes</translation>
    </message>
    <message>
        <source>holds no values</source>
        <translation>enthält keine Werte</translation>
    </message>
    <message>
        <source>line %1: a record of type %2, not a data record (00)</source>
        <translation>Zeile %1: ein Datensatz vom Typ %2, kein Datendatensatz (00)</translation>
    </message>
    <message>
        <source>line %1: the record carries %2 data bytes; it must carry 1 to %3</source>
        <translation>Zeile %1: der Datensatz trägt %2 Datenbytes; er muss 1 bis %3 tragen</translation>
    </message>
    <message>
        <source>line %1 repeats the record of line %2</source>
        <translation>Zeile %1 wiederholt den Datensatz aus Zeile %2</translation>
    </message>
    <message>
        <source>the values need a region (ADDRESS:LENGTH) to go to</source>
        <translation>die Werte brauchen einen Bereich (ADDRESS:LENGTH), in den sie kommen</translation>
    </message>
    <message>
        <source>the counter&apos;s START: %1</source>
        <translation>START des Zählers: %1</translation>
    </message>
    <message>
        <source>the counter&apos;s END: %1</source>
        <translation>END des Zählers: %1</translation>
    </message>
    <message>
        <source>line %1 repeats the value %2 of line %3</source>
        <translation>Zeile %1 wiederholt den Wert %2 aus Zeile %3</translation>
    </message>
    <message>
        <source>the source holds %1 values, none numbered %2</source>
        <translation>die Quelle enthält %1 Werte, keinen mit der Nummer %2</translation>
    </message>
    <message>
        <source>line %1: the record writes %2 bytes at %3, which is not the region %4</source>
        <translation>Zeile %1: der Datensatz schreibt %2 Bytes bei %3, das ist nicht der Bereich %4</translation>
    </message>
    <message>
        <source>the signature declares no region for per-unit data (serial-at=ADDRESS:LENGTH)</source>
        <translation>die Signatur legt keinen Bereich für gerätespezifische Daten fest (serial-at=ADDRESS:LENGTH)</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>It took %1 mS to connect.</source>
        <extracomment>%1 is a number of milliseconds (no digits when under one)</extracomment>
        <translation>Der Verbindungsaufbau dauerte %1 mS.</translation>
    </message>
    <message>
        <source>After %1 mS, I gave up!</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>Nach %1 mS aufgegeben!</translation>
    </message>
    <message>
        <source>Could not establish connection to %1</source>
        <translation>Es konnte keine Verbindung zu %1 hergestellt werden</translation>
    </message>
    <message>
        <source>Unit address %1, port %2.</source>
        <translation>Geräteadresse %1, Port %2.</translation>
    </message>
    <message>
        <source>Could not establish connection to %1, port %2.</source>
        <translation>Es konnte keine Verbindung zu %1, Port %2 hergestellt werden.</translation>
    </message>
    <message>
        <source>Address &quot;%1&quot; is not valid: %2.</source>
        <extracomment>%2 says what is wrong with the address and what to do</extracomment>
        <translation>Die Adresse „%1“ ist ungültig: %2.</translation>
    </message>
    <message>
        <source>Connected to %1 port %2.</source>
        <translation>Verbunden mit %1 Port %2.</translation>
    </message>
    <message>
        <source>Unit not responding!</source>
        <translation>Gerät antwortet nicht!</translation>
    </message>
    <message>
        <source>Checking connection at %1 mS...</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>Verbindung wird geprüft, %1 mS...</translation>
    </message>
    <message>
        <source>No product profile matches the application title &quot;%1&quot;.</source>
        <translation>Kein Produktprofil passt zum Anwendungstitel „%1“.</translation>
    </message>
    <message>
        <source>Sending firmware...</source>
        <translation>Firmware wird gesendet...</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <extracomment>Stands for the firmware file&apos;s name when none has been chosen</extracomment>
        <translation>(keine gewählt)</translation>
    </message>
    <message>
        <source>no file chosen</source>
        <extracomment>Why the firmware file cannot be opened, when none has been chosen</extracomment>
        <translation>keine Datei gewählt</translation>
    </message>
    <message>
        <source>Cannot open the firmware file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be opened</extracomment>
        <translation>Die Firmware-Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <extracomment>%2 is what is wrong with the file</extracomment>
        <translation>Die Firmware-Datei „%1“ ist kein gültiges Intel HEX: %2</translation>
    </message>
    <message>
        <source>Stopped by the operator.</source>
        <translation>Vom Bediener angehalten.</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <extracomment>%1 is the number of uploads finished in loop mode</extracomment>
        <translation>Durchläufe: %1</translation>
    </message>
    <message>
        <source>Upload complete.</source>
        <translation>Upload abgeschlossen.</translation>
    </message>
    <message>
        <source>Upload complete, %1 seconds.</source>
        <translation>Upload abgeschlossen, %1 Sekunden.</translation>
    </message>
    <message>
        <source>Writing firmware, DO NOT REMOVE POWER!</source>
        <translation>Firmware wird geschrieben, STROMVERSORGUNG NICHT TRENNEN!</translation>
    </message>
    <message>
        <source>Waiting for unit to reboot....</source>
        <translation>Warten auf den Neustart des Geräts....</translation>
    </message>
    <message>
        <source>Done!  Unit is ready to use.</source>
        <translation>Fertig!  Das Gerät ist einsatzbereit.</translation>
    </message>
    <message>
        <source>Disconnecting from %1</source>
        <translation>Verbindung zu %1 wird getrennt</translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;</extracomment>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;; %1 is a whole number other than one</extracomment>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>The connection to the unit was lost.</source>
        <translation>Die Verbindung zum Gerät ging verloren.</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: %1.</source>
        <extracomment>%1 is the system&apos;s description of the error</extracomment>
        <translation>Die Verbindung zum Gerät ging verloren: %1.</translation>
    </message>
    <message>
        <source>The unit sent %1 bytes of answers that were never asked for; the upload was stopped.</source>
        <translation>Das Gerät hat %1 Bytes an Antworten gesendet, nach denen nie gefragt wurde; der Upload wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Dropped %1 bytes of answers that were never asked for.</source>
        <translation>%1 Bytes an Antworten verworfen, nach denen nie gefragt wurde.</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: the unit closed it.</source>
        <translation>Die Verbindung zum Gerät ging verloren: das Gerät hat sie geschlossen.</translation>
    </message>
    <message>
        <source>The unit did not answer the last record within %1: it may not have the whole firmware.</source>
        <extracomment>%1 is a time such as &quot;5 seconds&quot;</extracomment>
        <translation>Das Gerät hat den letzten Datensatz nicht innerhalb von %1 beantwortet: es hat womöglich nicht die ganze Firmware.</translation>
    </message>
    <message>
        <source>The unit stopped answering: no response for %1.</source>
        <extracomment>%1 is a time such as &quot;60 seconds&quot;</extracomment>
        <translation>Das Gerät antwortet nicht mehr: seit %1 keine Antwort.</translation>
    </message>
    <message>
        <source>NAK - Incorrect Checksum</source>
        <extracomment>The unit&apos;s refusal of a record whose checksum is wrong</extracomment>
        <translation>NAK - Falsche Prüfsumme</translation>
    </message>
    <message>
        <source>NAK - Incorrect Product Code</source>
        <extracomment>The unit&apos;s refusal of firmware made for another product</extracomment>
        <translation>NAK - Falscher Produktcode</translation>
    </message>
    <message>
        <source>NAK - Incorrect Record Type</source>
        <extracomment>The unit&apos;s refusal of a record of a type it does not take</extracomment>
        <translation>NAK - Falscher Datensatztyp</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The unit&apos;s answer that it did not understand what it was sent</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>From Unit %1</source>
        <extracomment>%1 is the bytes received, in hexadecimal, after a space</extracomment>
        <translation>Vom Gerät %1</translation>
    </message>
    <message>
        <source>Incomplete response from device</source>
        <translation>Unvollständige Antwort vom Gerät</translation>
    </message>
    <message>
        <source>Spurrious byte</source>
        <extracomment>A byte from the unit that is not part of any answer</extracomment>
        <translation>Unerwartetes Byte</translation>
    </message>
    <message>
        <source>Unrecognised response from unit %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>Nicht erkannte Antwort vom Gerät %1</translation>
    </message>
    <message>
        <source>Answer before the transfer began, discarded: %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>Antwort vor Beginn der Übertragung, verworfen: %1</translation>
    </message>
    <message>
        <source>ACK from unit</source>
        <translation>ACK vom Gerät</translation>
    </message>
    <message>
        <source>Surplus ACK dropped: it answers no record.</source>
        <translation>Überzähliges ACK verworfen: es beantwortet keinen Datensatz.</translation>
    </message>
    <message>
        <source>%1 dropped: the attempt is already ending.</source>
        <extracomment>%1 is the unit&apos;s refusal, such as &quot;NAK - Incorrect Checksum&quot;</extracomment>
        <translation>%1 verworfen: der Versuch endet bereits.</translation>
    </message>
    <message>
        <source>Device responded with an error.  Please try again.</source>
        <translation>Das Gerät hat mit einem Fehler geantwortet.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The unit refused %1.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;</extracomment>
        <translation>Das Gerät hat %1 abgelehnt.</translation>
    </message>
    <message>
        <source>The unit refused %1: %2.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;; %2 the refusal</extracomment>
        <translation>Das Gerät hat %1 abgelehnt: %2.</translation>
    </message>
    <message>
        <source>the programming request</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;</extracomment>
        <translation>die Programmieranforderung</translation>
    </message>
    <message>
        <source>record %1, line %2 of the file</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;; %1 counts the records sent, %2 is the file&apos;s line</extracomment>
        <translation>Datensatz %1, Zeile %2 der Datei</translation>
    </message>
    <message>
        <source>Answer dropped: the upload has already failed.</source>
        <translation>Antwort verworfen: der Upload ist bereits fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The unit answered more often than records were sent: its answers no longer match the records, so nothing confirms that it has the firmware.</source>
        <translation>Das Gerät hat öfter geantwortet, als Datensätze gesendet wurden: seine Antworten passen nicht mehr zu den Datensätzen, daher bestätigt nichts, dass es die Firmware hat.</translation>
    </message>
    <message>
        <source>Cannot write the run&apos;s copy of the firmware: %1</source>
        <translation>Die Kopie der Firmware für den Lauf kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>%1 is not valid Intel HEX: %2</source>
        <translation>%1 ist kein gültiges Intel HEX: %2</translation>
    </message>
    <message>
        <source>Cannot make a private folder: %1</source>
        <translation>Ein privater Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>A run is on.</source>
        <translation>Ein Lauf ist im Gange.</translation>
    </message>
    <message>
        <source>Nothing has run yet.</source>
        <translation>Bisher ist nichts gelaufen.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>No units to flash.</source>
        <translation>Keine Geräte zu flashen.</translation>
    </message>
    <message>
        <source>same unit as row %1 (both reach %2 port %3)</source>
        <translation>dasselbe Gerät wie Zeile %1 (beide erreichen %2 Port %3)</translation>
    </message>
    <message>
        <source>%1 is too large for a list of units.</source>
        <translation>%1 ist zu groß für eine Geräteliste.</translation>
    </message>
    <message>
        <source>A quoted field never ends.</source>
        <translation>Ein Feld in Anführungszeichen endet nie.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>Die erste Zeile muss die Kopfzeile %1 sein.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>FirmwareChoice</name>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>not valid Intel HEX: %1</source>
        <translation>kein gültiges Intel HEX: %1</translation>
    </message>
    <message>
        <source>Cannot use &quot;%1&quot; as the firmware file:</source>
        <translation>„%1“ kann nicht als Firmware-Datei verwendet werden:</translation>
    </message>
    <message>
        <source>Click to choose the firmware file, or drop one on the window</source>
        <translation>Klicken, um die Firmware-Datei zu wählen, oder eine auf das Fenster ziehen</translation>
    </message>
</context>
<context>
    <name>FirmwarePanel</name>
    <message>
        <source>%1
The firmware chosen before stays: %2</source>
        <translation>%1
Die zuvor gewählte Firmware bleibt: %2</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>No file chosen: choose one or drop it here.</source>
        <translation>Keine Datei gewählt: eine wählen oder hierher ziehen.</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>Wäh&amp;len...</translation>
    </message>
    <message>
        <source>Cannot be flashed: %1</source>
        <translation>Kann nicht geflasht werden: %1</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Firmware wählen</translation>
    </message>
    <message>
        <source>Intel HEX files (*.hex);;All files (*)</source>
        <translation>Intel-HEX-Dateien (*.hex);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>FirmwareSnapshot</name>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>Signatur: Schlüssel %1, vertrauenswürdiger Kommentar: %2</translation>
    </message>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>Nicht von einem vertrauenswürdigen Schlüssel signiert: %1</translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.</source>
        <translation>Installiert Intel-HEX-Firmware über Ethernet in ein Steuergerät.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Erstellt mit Qt %1, läuft mit Qt %2.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About; %1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Flash History</source>
        <translation>Flash-Verlauf</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>address or address:port</source>
        <translation>Adresse oder Adresse:Port</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The unit&apos;s name.</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>SHA-256:</source>
        <translation>SHA-256:</translation>
    </message>
    <message>
        <source>8 hex digits or more</source>
        <translation>8 Hexziffern oder mehr</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Since:</source>
        <translation>Seit:</translation>
    </message>
    <message>
        <source>2026-03-01 or 2026-03-01T14:30</source>
        <translation>2026-03-01 oder 2026-03-01T14:30</translation>
    </message>
    <message>
        <source>Until:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>2026-03-31</source>
        <translation>2026-03-31</translation>
    </message>
    <message>
        <source>Run:</source>
        <extracomment>The station run an attempt belongs to.</extracomment>
        <translation>Lauf:</translation>
    </message>
    <message>
        <source>At most:</source>
        <translation>Höchstens:</translation>
    </message>
    <message>
        <source>0 for all</source>
        <translation>0 für alle</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>Flash History: %1</source>
        <translation>Flash-Verlauf: %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Seit</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Höchstens</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation>Verlauf wird gelesen…</translation>
    </message>
    <message>
        <source>No attempts match.</source>
        <translation>Keine Versuche passen.</translation>
    </message>
    <message numerus="yes">
        <source>%n attempt(s), newest first.</source>
        <translation>
            <numerusform>%n Versuch, neuester zuerst.</numerusform>
            <numerusform>%n Versuche, neueste zuerst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportiert nach %1.</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
</context>
<context>
    <name>HistoryFilter</name>
    <message>
        <source>needs ADDRESS or ADDRESS:PORT, not &quot;%1&quot;</source>
        <translation>erwartet ADRESSE oder ADRESSE:PORT, nicht „%1“</translation>
    </message>
    <message>
        <source>needs a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>erwartet einen Port von 1 bis 65535, nicht „%1“</translation>
    </message>
    <message>
        <source>needs 8 to 64 hexadecimal digits, not &quot;%1&quot;</source>
        <translation>erwartet 8 bis 64 Hexadezimalziffern, nicht „%1“</translation>
    </message>
    <message>
        <source>needs a whole number (0 for all), not &quot;%1&quot;</source>
        <translation>erwartet eine ganze Zahl (0 für alle), nicht „%1“</translation>
    </message>
    <message>
        <source>needs an ISO date or time (2026-03-01, 2026-03-01T14:30 in local time, 2026-03-01T14:30Z or 2026-03-01T14:30+01:00), not &quot;%1&quot;</source>
        <translation>braucht ein ISO-Datum oder eine ISO-Zeit (2026-03-01, 2026-03-01T14:30 in Ortszeit, 2026-03-01T14:30Z oder 2026-03-01T14:30+01:00), nicht „%1“</translation>
    </message>
</context>
<context>
    <name>HistorySummary</name>
    <message>
        <source>needs a list of title, firmware, day and unit, each once, not &quot;%1&quot;</source>
        <translation>erwartet eine Liste aus title, firmware, day und unit, jedes einmal, nicht „%1“</translation>
    </message>
</context>
<context>
    <name>HistoryToolOptions</name>
    <message>
        <source>--%1 %2.</source>
        <translation>--%1 %2.</translation>
    </message>
    <message>
        <source>--outcome needs one of %1, not &quot;%2&quot;.</source>
        <translation>--outcome erwartet eines von %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>--by goes with --summary.</source>
        <translation>--by gehört zu --summary.</translation>
    </message>
    <message>
        <source>--by %1.</source>
        <translation>--by %1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 ist mehr als einmal angegeben.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--json and --csv exclude each other.</source>
        <translation>--json und --csv schließen einander aus.</translation>
    </message>
    <message>
        <source>--wait needs seconds from 1 to 3600, not &quot;%1&quot;.</source>
        <translation>--wait erwartet Sekunden von 1 bis 3600, nicht „%1“.</translation>
    </message>
    <message>
        <source>--events, --summary and --serials exclude each other.</source>
        <translation>--events, --summary und --serials schließen einander aus.</translation>
    </message>
    <message>
        <source>--pool goes with --serials.</source>
        <translation>--pool gehört zu --serials.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]

Shows the flash history: one row per upload attempt by the window, the
command-line uploader and the station, newest first.

Options:
  --history URL      the history: sqlite:///path/file.sqlite,
                     postgresql://user@host:port/dbname (libpq&apos;s URI forms,
                     ?host=/socket/dir included; keep a password in
                     ~/.pgpass); default: FWU_HISTORY, else
                     ~/.local/share/FirmwareUploader/history.sqlite
  --wait SECONDS     how long the history may take to answer before the
                     tool gives up with exit 2 (default 30)
  --json             JSON Lines: one object per attempt (times in UTC)
  --csv              comma-separated values with a header line (UTC)
  --unit A[:P]       attempts on the unit at address A (and port P)
  --name NAME        attempts on the unit of that name
  --unit-serial TEXT attempts on the unit with that serial on its label
  --serial VALUE     attempts that wrote that serial number into the image
  --sha256 HEX       firmware whose SHA-256 begins with HEX (8 digits or more)
  --outcome WORD     attempts that ended so: %2
  --since WHEN       attempts started at or after WHEN: an ISO date or time,
                     2026-03-01T14:30Z or +01:00; without Z or an offset,
                     your local time
  --until WHEN       attempts started up to WHEN (a date: to its end)
  --run-id ID        attempts of one station run
  --limit N          at most N attempts, 0 for all (default: %3 in the
                     table, all with --json or --csv)
  --summary          units, attempts, finished, first-pass and final yield
                     per group of every matching attempt
  --by LIST          the summary&apos;s groups: any of title, firmware, day, unit
                     (default title,firmware)
  --events           the stations&apos; events instead: locked, unlocked, a
                     refused unlock, a new shift (with --limit)
  --serials          the serial-number ledger instead: each number of each
                     pool, its state (allocated, used, burnt, returned) and
                     the attempt, unit and host that last held it
  --pool NAME        with --serials: the numbers of that pool only
</source>
        <extracomment>Keep the option names, the words in capitals after them and the columns.</extracomment>
        <translation>Aufruf: %1 [Optionen]

Zeigt den Flash-Verlauf: eine Zeile je Upload-Versuch durch das Fenster, den
Kommandozeilen-Uploader und die Station, neueste zuerst.

Optionen:
  --history URL      der Verlauf: sqlite:///path/file.sqlite,
                     postgresql://user@host:port/dbname (die URI-Formen von
                     libpq, ?host=/socket/dir eingeschlossen; ein Passwort
                     in ~/.pgpass ablegen); Vorgabe: FWU_HISTORY, sonst
                     ~/.local/share/FirmwareUploader/history.sqlite
  --wait SECONDS     wie lange der Verlauf für eine Antwort brauchen darf,
                     bevor das Werkzeug mit Exit-Code 2 aufgibt (Vorgabe 30)
  --json             JSON Lines: ein Objekt je Versuch (Zeiten in UTC)
  --csv              kommagetrennte Werte mit einer Kopfzeile (UTC)
  --unit A[:P]       Versuche am Gerät mit der Adresse A (und dem Port P)
  --name NAME        Versuche am Gerät mit diesem Namen
  --unit-serial TEXT Versuche am Gerät mit dieser Seriennummer auf dem
                     Etikett
  --serial VALUE     Versuche, die diese Seriennummer ins Abbild schrieben
  --sha256 HEX       Firmware, deren SHA-256 mit HEX beginnt (8 Ziffern oder
                     mehr)
  --outcome WORD     Versuche, die so endeten: %2
  --since WHEN       Versuche, die zu oder nach WHEN begannen: ein ISO-Datum
                     oder eine Uhrzeit, 2026-03-01T14:30Z oder +01:00; ohne
                     Z oder Versatz: die Ortszeit
  --until WHEN       Versuche, die bis WHEN begannen (ein Datum: bis zu
                     seinem Ende)
  --run-id ID        Versuche eines Laufs der Station
  --limit N          höchstens N Versuche, 0 für alle (Vorgabe: %3 in der
                     Tabelle, alle mit --json oder --csv)
  --summary          Geräte, Versuche, abgeschlossen, Erstausbeute und
                     Endausbeute je Gruppe aller passenden Versuche
  --by LIST          die Gruppen der Zusammenfassung: beliebige aus title,
                     firmware, day, unit (Vorgabe title,firmware)
  --events           stattdessen die Ereignisse der Stationen: gesperrt,
                     entsperrt, ein abgelehntes Entsperren, eine neue Schicht
                     (mit --limit)
  --serials          stattdessen das Seriennummernbuch: jede Nummer jedes
                     Pools, ihr Zustand (allocated, used, burnt, returned)
                     und der Versuch, das Gerät und der Host, die sie zuletzt
                     hielten
  --pool NAME        mit --serials: nur die Nummern dieses Pools
</translation>
    </message>
    <message>
        <source>  -h, --help         show this text
  -v, --version      show the version

The table shows your local time with its offset; JSON and CSV keep UTC.

Exit codes:
  0    done, also when no attempt matches
  2    the history cannot be read
  4    bad option
</source>
        <extracomment>Keep the option names and the columns.</extracomment>
        <translation>  -h, --help         diesen Text anzeigen
  -v, --version      die Version anzeigen

Die Tabelle zeigt die Ortszeit mit ihrem Versatz; JSON und CSV behalten UTC.

Exit-Codes:
  0    erledigt, auch wenn kein Versuch passt
  2    der Verlauf kann nicht gelesen werden
  4    falsche Option
</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language code</source>
        <translation>--language erwartet einen Sprachcode</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; known: %2</source>
        <translation>unbekannte Sprache „%1“; bekannt: %2</translation>
    </message>
    <message>
        <source>The language to speak: %1 (default: the system&apos;s).</source>
        <translation>Die zu verwendende Sprache: %1 (Vorgabe: die des Systems).</translation>
    </message>
    <message>
        <source>the language to speak: %1</source>
        <translation>die zu verwendende Sprache: %1</translation>
    </message>
    <message>
        <source>(default: the system&apos;s)</source>
        <translation>(Vorgabe: die des Systems)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s (%1)</source>
        <extracomment>The entry that follows the desktop&apos;s language; %1 names the one it is now.</extracomment>
        <translation>&amp;Systemsprache (%1)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation>Die Wahl der Sprache konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The new language is used from the next start of the program.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start des Programms.</translation>
    </message>
</context>
<context>
    <name>LineView</name>
    <message>
        <source>Line view</source>
        <translation>Linienansicht</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
</context>
<context>
    <name>LockControls</name>
    <message>
        <source>Wrong supervisor password: the station stays locked.</source>
        <translation>Falsches Supervisor-Passwort: die Station bleibt gesperrt.</translation>
    </message>
    <message>
        <source>&amp;Lock for production</source>
        <translation>Für Produktion &amp;sperren</translation>
    </message>
    <message>
        <source>&amp;Unlock...</source>
        <translation>&amp;Entsperren...</translation>
    </message>
    <message>
        <source>Supervisor &amp;password...</source>
        <translation>Supervisor-&amp;Passwort...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Supervisor password:</source>
        <translation>Supervisor-Passwort:</translation>
    </message>
    <message>
        <source>The station is locked. Supervisor password:</source>
        <translation>Die Station ist gesperrt. Supervisor-Passwort:</translation>
    </message>
    <message>
        <source>Supervisor password</source>
        <translation>Supervisor-Passwort</translation>
    </message>
    <message>
        <source>New supervisor password:</source>
        <translation>Neues Supervisor-Passwort:</translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation>Dasselbe Passwort noch einmal:</translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed.</source>
        <translation>Die beiden Passwörter unterscheiden sich: nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Save Log &amp;As…</source>
        <translation>Protokoll speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Trusted &amp;Keys…</source>
        <translation>Vertrauenswürdige &amp;Schlüssel…</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <extracomment>Tools menu toggle: start the upload again after each finished one.</extracomment>
        <translation>&amp;Endlosschleife</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <extracomment>Tools menu toggle: send the records at a slower pace.</extracomment>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <extracomment>Tools menu toggle: write more detail to the log.</extracomment>
        <translation>Debug-&amp;Modus</translation>
    </message>
    <message>
        <source>Forget</source>
        <extracomment>Tools menu item: drop the remembered address and port.</extracomment>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Choose the firmware file (or drop a .hex file anywhere on the window)</source>
        <translation>Die Firmware-Datei wählen (oder eine .hex-Datei irgendwo auf das Fenster ziehen)</translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation>Laden und starten</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>In the address or port box: Load and Start; on the file label: choose the firmware file</source>
        <translation>Im Adress- oder Portfeld: Laden und starten; auf der Dateibeschriftung: die Firmware-Datei wählen</translation>
    </message>
    <message>
        <source>Save the log to a text file</source>
        <translation>Das Protokoll in einer Textdatei speichern</translation>
    </message>
    <message>
        <source>Stop the upload while it connects or sends</source>
        <translation>Den Upload anhalten, während er verbindet oder sendet</translation>
    </message>
    <message>
        <source>Copy the selected log line</source>
        <translation>Die ausgewählte Protokollzeile kopieren</translation>
    </message>
    <message>
        <source>Alt+F, X</source>
        <extracomment>The keys of File &gt; Exit: Alt with the File menu&apos;s underlined letter, then Exit&apos;s.</extracomment>
        <translation>Alt+D, B</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the log, the address, the port, Load and Start and the file label</source>
        <translation>Zwischen Protokoll, Adresse, Port, Laden und starten und der Dateibeschriftung wechseln</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Press Load and Start, or choose the firmware file on the file label</source>
        <translation>Laden und starten drücken, oder auf der Dateibeschriftung die Firmware-Datei wählen</translation>
    </message>
</context>
<context>
    <name>OperatorDesk</name>
    <message>
        <source>No unit can take the serial %1 now: select one that is not running.</source>
        <translation>Kein Gerät kann die Seriennummer %1 jetzt übernehmen: eines wählen, das nicht läuft.</translation>
    </message>
    <message>
        <source>New &amp;shift...</source>
        <translation>Neue Sc&amp;hicht...</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>Neue Schicht</translation>
    </message>
</context>
<context>
    <name>OperatorQuestions</name>
    <message>
        <source>Stop the upload now?

The unit stays in programming mode until it gets a whole firmware file or is restarted.</source>
        <translation>Den Upload jetzt anhalten?

Das Gerät bleibt im Programmiermodus, bis es eine vollständige Firmware-Datei erhält oder neu gestartet wird.</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>Protokoll speichern unter</translation>
    </message>
    <message>
        <source>Log files</source>
        <translation>Protokolldateien</translation>
    </message>
    <message>
        <source>Stop the upload</source>
        <translation>Upload anhalten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
</context>
<context>
    <name>OperatorSeat</name>
    <message>
        <source>Operator: %1</source>
        <translation>Bediener: %1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Who runs the station?</source>
        <translation>Wer bedient die Station?</translation>
    </message>
    <message>
        <source>Ask for the operator at s&amp;tart</source>
        <translation>Beim Start nach dem Bediener &amp;fragen</translation>
    </message>
</context>
<context>
    <name>OutcomeAnnouncer</name>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>How the last upload ended: Finished or Failed</source>
        <translation>Wie der letzte Upload endete: Abgeschlossen oder Fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A desktop notification&apos;s summary: the program&apos;s title, then how the upload ended.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The firmware was installed.</source>
        <translation>Die Firmware wurde installiert.</translation>
    </message>
    <message>
        <source>The upload failed; the log says why.</source>
        <translation>Der Upload ist fehlgeschlagen; das Protokoll nennt den Grund.</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>How the last upload ended, in the status bar: the operator stopped it.</extracomment>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>Fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>ProductionLock</name>
    <message>
        <source>The station is locked: unlock it first.</source>
        <translation>Die Station ist gesperrt: zuerst entsperren.</translation>
    </message>
    <message numerus="yes">
        <source>The password needs at least %n characters.</source>
        <translation>
            <numerusform>Das Passwort braucht mindestens %n Zeichen.</numerusform>
            <numerusform>Das Passwort braucht mindestens %n Zeichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password could not be hashed (out of memory).</source>
        <translation>Das Passwort konnte nicht gehasht werden (kein Speicher mehr).</translation>
    </message>
    <message>
        <source>Set a supervisor password first (File &gt; Supervisor password...): without one nobody could unlock the station.</source>
        <translation>Zuerst ein Supervisor-Passwort festlegen (Datei &gt; Supervisor-Passwort...): ohne eines könnte niemand die Station entsperren.</translation>
    </message>
</context>
<context>
    <name>ProgressCaption</name>
    <message>
        <source>%1 s</source>
        <extracomment>A time left below a minute, in seconds.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <extracomment>A time left of a minute or more: minutes, then seconds as two digits.</extracomment>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The share of the firmware file sent, in percent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 - %2 left</source>
        <extracomment>The progress bar&apos;s text: the share sent, then the time left.</extracomment>
        <translation>%1 – noch %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1/%2 records  %3%  %4  %5 left</source>
        <extracomment>The progress line on a terminal: records sent of all, percent, rate, time left.</extracomment>
        <translation>%1/%2 Datensätze  %3 %  %4  noch %5</translation>
    </message>
</context>
<context>
    <name>ReportSaver</name>
    <message>
        <source>The report folder %1 is not a folder.</source>
        <translation>Der Berichtsordner %1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The report folder %1 cannot be made.</source>
        <translation>Der Berichtsordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Reports cannot be saved in %1: %2</source>
        <translation>Berichte können nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>no report folder is set (--report-dir or File &gt; Report folder), so no report is saved.</source>
        <translation>kein Berichtsordner festgelegt (--report-dir oder Datei &gt; Berichtsordner), daher wird kein Bericht gespeichert.</translation>
    </message>
    <message>
        <source>Report saved as %1.csv and .json</source>
        <translation>Bericht gespeichert als %1.csv und .json</translation>
    </message>
    <message>
        <source>Save report (CSV and JSON)</source>
        <translation>Bericht speichern (CSV und JSON)</translation>
    </message>
    <message>
        <source>Report (*.csv)</source>
        <translation>Bericht (*.csv)</translation>
    </message>
    <message>
        <source>Folder for reports saved at the end of each run (cancel: none)</source>
        <translation>Ordner für Berichte, die am Ende jedes Laufs gespeichert werden (Abbrechen: keiner)</translation>
    </message>
    <message>
        <source>Reports are saved only when asked.</source>
        <translation>Berichte werden nur auf Anforderung gespeichert.</translation>
    </message>
    <message>
        <source>Reports are saved in %1 after each run.</source>
        <translation>Berichte werden nach jedem Lauf in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Flash &amp;all</source>
        <translation>Alle &amp;flashen</translation>
    </message>
    <message>
        <source>Flash &amp;selected</source>
        <translation>Aus&amp;gewählte flashen</translation>
    </message>
    <message>
        <source>&amp;Re-run failed</source>
        <translation>Fehlgeschlagene &amp;wiederholen</translation>
    </message>
    <message>
        <source>Sto&amp;p selected</source>
        <translation>Ausgewählte anhal&amp;ten</translation>
    </message>
    <message>
        <source>S&amp;top all</source>
        <translation>Alle a&amp;nhalten</translation>
    </message>
    <message>
        <source>all</source>
        <extracomment>Units at once: no limit.</extracomment>
        <translation>alle</translation>
    </message>
    <message>
        <source>How many units are flashed at the same time</source>
        <translation>Wie viele Geräte gleichzeitig geflasht werden</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after the number.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>An upload ends when the unit is silent this long during the transfer</source>
        <translation>Ein Upload endet, wenn das Gerät während der Übertragung so lange schweigt</translation>
    </message>
    <message>
        <source>Further tries of a connection that never came about</source>
        <translation>Weitere Versuche einer Verbindung, die nie zustande kam</translation>
    </message>
    <message>
        <source>Response time-&amp;out:</source>
        <translation>Antwort&amp;zeitlimit:</translation>
    </message>
    <message>
        <source>Retr&amp;ies:</source>
        <translation>&amp;Versuche:</translation>
    </message>
    <message>
        <source>U&amp;nits at once:</source>
        <translation>Geräte &amp;parallel:</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot make the report folder %1.</source>
        <translation>Der Berichtsordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot save a report in %1: every name is taken.</source>
        <translation>In %1 kann kein Bericht gespeichert werden: jeder Name ist vergeben.</translation>
    </message>
</context>
<context>
    <name>ScanField</name>
    <message>
        <source>scan a unit&apos;s label</source>
        <translation>Etikett eines Geräts scannen</translation>
    </message>
    <message>
        <source>S&amp;erial:</source>
        <translation>Se&amp;riennummer:</translation>
    </message>
</context>
<context>
    <name>SerialCheck</name>
    <message>
        <source>%1 already finished on %2 at %3 (%4): rescan the label, or confirm at Flash that this unit is flashed again.</source>
        <translation>%1 wurde bereits auf %2 am %3 abgeschlossen (%4): das Etikett erneut scannen oder beim Flashen bestätigen, dass dieses Gerät noch einmal geflasht wird.</translation>
    </message>
    <message>
        <source>Serials already flashed</source>
        <translation>Bereits geflashte Seriennummern</translation>
    </message>
    <message>
        <source>

Flash these units all the same?</source>
        <translation>

Diese Geräte trotzdem flashen?</translation>
    </message>
</context>
<context>
    <name>SerialControls</name>
    <message>
        <source>Serial &amp;numbers...</source>
        <translation>Serien&amp;nummern...</translation>
    </message>
</context>
<context>
    <name>SerialDialog</name>
    <message>
        <source>Serial numbers</source>
        <translation>Seriennummern</translation>
    </message>
    <message>
        <source>&amp;Write a number of its own into each unit&apos;s image</source>
        <translation>Eine eigene Nummer in das Abbild jedes Geräts &amp;schreiben</translation>
    </message>
    <message>
        <source>e.g. 0x7FF0:4</source>
        <translation>z. B. 0x7FF0:4</translation>
    </message>
    <message>
        <source>Number, little-endian</source>
        <translation>Zahl, Little-Endian</translation>
    </message>
    <message>
        <source>Number, big-endian</source>
        <translation>Zahl, Big-Endian</translation>
    </message>
    <message>
        <source>Decimal digits (ASCII)</source>
        <translation>Dezimalziffern (ASCII)</translation>
    </message>
    <message>
        <source>Hex digits (ASCII)</source>
        <translation>Hexziffern (ASCII)</translation>
    </message>
    <message>
        <source>Bytes as given (e.g. a MAC address)</source>
        <translation>Bytes wie angegeben (z. B. eine MAC-Adresse)</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>List file</source>
        <translation>Listendatei</translation>
    </message>
    <message>
        <source>Intel HEX list file</source>
        <translation>Intel-HEX-Listendatei</translation>
    </message>
    <message>
        <source>The scanned label</source>
        <translation>Das gescannte Etikett</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>der Titel</translation>
    </message>
    <message>
        <source>&amp;Address:length:</source>
        <translation>&amp;Adresse:Länge:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Pool:</translation>
    </message>
    <message>
        <source>first[:last], e.g. 1000:1999</source>
        <translation>erste[:letzte], z. B. 1000:1999</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>Serial number list</source>
        <translation>Seriennummernliste</translation>
    </message>
</context>
<context>
    <name>SerialSettings</name>
    <message>
        <source>Say where the number goes: an address and a length, e.g. 0x7FF0:4.</source>
        <translation>Angeben, wohin die Nummer kommt: eine Adresse und eine Länge, z. B. 0x7FF0:4.</translation>
    </message>
    <message>
        <source>Address and length: %1</source>
        <translation>Adresse und Länge: %1</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>Say where the numbers come from: a counter, a list file or an Intel HEX list file.</source>
        <translation>Angeben, woher die Nummern kommen: ein Zähler, eine Listendatei oder eine Intel-HEX-Listendatei.</translation>
    </message>
    <message>
        <source>The list of numbers cannot be read: %1</source>
        <translation>Die Nummernliste kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 has no scanned serial to write.</source>
        <translation>%1 hat keine gescannte Seriennummer zum Schreiben.</translation>
    </message>
    <message>
        <source>Serial numbers: off</source>
        <translation>Seriennummern: aus</translation>
    </message>
    <message>
        <source>the scanned label</source>
        <translation>das gescannte Etikett</translation>
    </message>
    <message>
        <source>Serial numbers: %1 at %2 (%3)</source>
        <translation>Seriennummern: %1 bei %2 (%3)</translation>
    </message>
    <message>
        <source>the list&apos;s</source>
        <translation>den Adressen der Liste</translation>
    </message>
</context>
<context>
    <name>ShiftCounts</name>
    <message>
        <source>Pass %1  Fail %2  Total %3  Yield %4 %</source>
        <translation>i.O. %1  n.i.O. %2  Gesamt %3  Ausbeute %4 %</translation>
    </message>
</context>
<context>
    <name>ShiftWatch</name>
    <message>
        <source>Shift: %1</source>
        <translation>Schicht: %1</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>Neue Schicht</translation>
    </message>
    <message>
        <source>Start a new shift? Pass, Fail, Total and Yield start again from zero.

Now: %1</source>
        <translation>Eine neue Schicht beginnen? i.O., n.i.O., Gesamt und Ausbeute beginnen wieder bei null.

Jetzt: %1</translation>
    </message>
</context>
<context>
    <name>SignatureStatus</name>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>Nicht von einem vertrauenswürdigen Schlüssel signiert: %1</translation>
    </message>
    <message>
        <source>Signature: not valid: %1</source>
        <translation>Signatur: ungültig: %1</translation>
    </message>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>Signatur: Schlüssel %1, vertrauenswürdiger Kommentar: %2</translation>
    </message>
</context>
<context>
    <name>SimulatorHelp</name>
    <message>
        <source>A simulated control unit: a TCP server on a loopback address that takes display texts, a programming request and Intel HEX record lines, and answers each packet as the unit does, or with the faults asked for.

Packets are counted per connection from 0: the programming request is packet 0, the first record line 1, and so on; display-text packets are not answered and not counted. Bytes that frame no packet are answered once per run with NakChecksum and dropped up to the next &apos;:&apos;, FE or F0.

Faults (--fault KIND[:ARG]@N[#C], N a packet or &quot;eof&quot; for the record of type 01, C a connection number from 1, default every connection):
  </source>
        <translation>Ein simuliertes Steuergerät: ein TCP-Server auf einer Loopback-Adresse, der Anzeigetexte, eine Programmieranfrage und Intel-HEX-Datensatzzeilen annimmt und jedes Paket so beantwortet wie das Gerät oder mit den verlangten Fehlern.

Pakete werden je Verbindung ab 0 gezählt: die Programmieranfrage ist Paket 0, die erste Datensatzzeile 1 und so weiter; Anzeigetext-Pakete werden weder beantwortet noch gezählt. Bytes, die kein Paket bilden, werden einmal je Lauf mit NakChecksum beantwortet und bis zum nächsten &apos;:&apos;, FE oder F0 verworfen.

Fehler (--fault KIND[:ARG]@N[#C], N ein Paket oder &quot;eof&quot; für den Datensatz vom Typ 01, C eine Verbindungsnummer ab 1, Vorgabe jede Verbindung):
  </translation>
    </message>
    <message>
        <source>
Server faults (--fault KIND, no packet):
  never-accept        connects stay pending (the accept queue is full)
  no-server           nothing listens: connects are refused; prints &quot;no server at 127.0.0.1:PORT&quot;

A demo firmware file to send it: %1</source>
        <translation>
Serverfehler (--fault KIND, kein Paket):
  never-accept        Verbindungen bleiben hängen (Accept-Queue voll)
  no-server           niemand lauscht: Verbindungen werden abgelehnt; gibt &quot;no server at 127.0.0.1:PORT&quot; aus

Eine Demo-Firmware-Datei zum Senden: %1</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
    </message>
    <message>
        <source>TCP port; 0 picks a free one. Printed at start as &quot;listening on 127.0.0.1:PORT&quot;.</source>
        <translation>TCP-Port; 0 wählt einen freien. Wird beim Start als „listening on 127.0.0.1:PORT“ ausgegeben.</translation>
    </message>
    <message>
        <source>Loopback address to listen on.</source>
        <translation>Loopback-Adresse, auf der gelauscht wird.</translation>
    </message>
    <message>
        <source>The product the unit is: %1.</source>
        <translation>Das Produkt, das das Gerät ist: %1.</translation>
    </message>
    <message>
        <source>Milliseconds before each answer.</source>
        <translation>Millisekunden vor jeder Antwort.</translation>
    </message>
    <message>
        <source>The 4 bytes after each response code, as 8 hex digits, or &quot;random&quot;.</source>
        <translation>Die 4 Bytes nach jedem Antwortcode, als 8 Hexziffern, oder „random“.</translation>
    </message>
    <message>
        <source>Milliseconds between the writes of a split or repeated answer.</source>
        <translation>Millisekunden zwischen den Schreibvorgängen einer geteilten oder wiederholten Antwort.</translation>
    </message>
    <message>
        <source>Inject a fault (repeatable, see above).</source>
        <translation>Einen Fehler einschleusen (wiederholbar, siehe oben).</translation>
    </message>
    <message>
        <source>Write every record received, one per line, to FILE after each connection.</source>
        <translation>Jeden empfangenen Datensatz, einen je Zeile, nach jeder Verbindung in FILE schreiben.</translation>
    </message>
    <message>
        <source>Stop after N connections (0 = never).</source>
        <translation>Nach N Verbindungen aufhören (0 = nie).</translation>
    </message>
    <message>
        <source>Stop after T seconds (0 = never).</source>
        <translation>Nach T Sekunden aufhören (0 = nie).</translation>
    </message>
    <message>
        <source>Print each packet and its verdict on stderr.</source>
        <translation>Jedes Paket und sein Urteil auf stderr ausgeben.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535</source>
        <translation>--port erwartet eine Zahl von 0 bis 65535</translation>
    </message>
    <message>
        <source>--address must be a loopback address, not &quot;%1&quot;</source>
        <translation>--address muss eine Loopback-Adresse sein, nicht „%1“</translation>
    </message>
    <message>
        <source>unknown profile &quot;%1&quot;; known: %2</source>
        <translation>unbekanntes Profil „%1“; bekannt: %2</translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds</source>
        <translation>--delay erwartet eine Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>--fragment-gap needs a number of milliseconds</source>
        <translation>--fragment-gap erwartet eine Anzahl Millisekunden</translation>
    </message>
    <message>
        <source>--tail needs 8 hex digits or &quot;random&quot;</source>
        <translation>--tail erwartet 8 Hexziffern oder „random“</translation>
    </message>
    <message>
        <source>--connections needs a number</source>
        <translation>--connections erwartet eine Zahl</translation>
    </message>
    <message>
        <source>--seconds needs a number</source>
        <translation>--seconds erwartet eine Zahl</translation>
    </message>
    <message>
        <source>cannot listen on %1:%2: %3</source>
        <translation>auf %1:%2 kann nicht gelauscht werden: %3</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kann %1 nicht schreiben</translation>
    </message>
</context>
<context>
    <name>StationEventLog</name>
    <message>
        <source>The station&apos;s event is not in the flash history: %1</source>
        <translation>Das Ereignis der Station steht nicht im Flash-Verlauf: %1</translation>
    </message>
</context>
<context>
    <name>StationHelp</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Version %1&lt;/p&gt;&lt;p&gt;Flashes one Intel HEX firmware file into many control units at once, one command-line uploader per unit.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Version %1&lt;/p&gt;&lt;p&gt;Flasht eine Intel-HEX-Firmware-Datei gleichzeitig in viele Steuergeräte, mit einem Kommandozeilen-Uploader je Gerät.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, läuft mit Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open a list of units</source>
        <translation>Eine Geräteliste öffnen</translation>
    </message>
    <message>
        <source>Save the list of units</source>
        <translation>Die Geräteliste speichern</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <extracomment>The accelerator of the &quot;Flash &amp;all&quot; button.</extracomment>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>Flash all</source>
        <translation>Alle flashen</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <extracomment>The accelerator of the &quot;Flash &amp;selected&quot; button.</extracomment>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>Flash the selected units</source>
        <translation>Die ausgewählten Geräte flashen</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <extracomment>The accelerator of the &quot;&amp;Re-run failed&quot; button.</extracomment>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>Re-run the failed units</source>
        <translation>Die fehlgeschlagenen Geräte wiederholen</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <extracomment>The accelerator of the &quot;Sto&amp;p selected&quot; button.</extracomment>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Stop the selected units (asks first)</source>
        <translation>Die ausgewählten Geräte anhalten (fragt zuerst)</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <extracomment>The accelerator of the &quot;S&amp;top all&quot; button.</extracomment>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Stop all (asks first)</source>
        <translation>Alle anhalten (fragt zuerst)</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit the current cell</source>
        <translation>Die aktuelle Zelle bearbeiten</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Enter, Doppelklick</translation>
    </message>
    <message>
        <source>Show the unit&apos;s log</source>
        <translation>Das Protokoll des Geräts anzeigen</translation>
    </message>
    <message>
        <source>Menu key, right click</source>
        <translation>Menütaste, Rechtsklick</translation>
    </message>
    <message>
        <source>Stop, show the log or re-run the selected units</source>
        <translation>Die ausgewählten Geräte anhalten, ihr Protokoll anzeigen oder sie wiederholen</translation>
    </message>
    <message>
        <source>Quit (asks first while units are flashed)</source>
        <translation>Beenden (fragt zuerst, während Geräte geflasht werden)</translation>
    </message>
    <message>
        <source>About Firmware Uploader Station</source>
        <translation>Über Firmware Uploader Station</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>%1 needs a whole number of milliseconds, at least 1.</source>
        <translation>%1 erwartet eine ganze Zahl von Millisekunden, mindestens 1.</translation>
    </message>
    <message>
        <source>%1 needs a whole number from 0 to 1000.</source>
        <translation>%1 erwartet eine ganze Zahl von 0 bis 1000.</translation>
    </message>
    <message>
        <source>%1 needs a whole number, 0 for all units at once.</source>
        <translation>%1 erwartet eine ganze Zahl, 0 für alle Geräte gleichzeitig.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An option, then what is wrong with its value.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <extracomment>Two option names.</extracomment>
        <translation>%1 erfordert %2.</translation>
    </message>
    <message>
        <source>%1 needs %2 and %3.</source>
        <translation>%1 erfordert %2 und %3.</translation>
    </message>
    <message>
        <source>open this list of units (CSV: name,address,port[,title])
instead of the last one</source>
        <translation>diese Geräteliste öffnen (CSV: name,address,port[,title])
statt der letzten</translation>
    </message>
    <message>
        <source>choose this Intel HEX file</source>
        <translation>diese Intel-HEX-Datei wählen</translation>
    </message>
    <message>
        <source>units flashed at the same time; 0 for all</source>
        <translation>gleichzeitig geflashte Geräte; 0 für alle</translation>
    </message>
    <message>
        <source>start flashing every unit at once (needs %1 and
%2); problems that stop the run go to standard
error and the program exits with status 2</source>
        <translation>alle Geräte sofort flashen (erfordert %1 und
%2); Probleme, die den Lauf anhalten, gehen auf die
Standardfehlerausgabe und das Programm endet mit Status 2</translation>
    </message>
    <message>
        <source>with %1: save the report and exit when the run
ends: 0 every unit finished, 1 any did not, 2 the run
could not start; no dialogs (runs without a display)</source>
        <translation>mit %1: den Bericht speichern und beenden, wenn
der Lauf endet: 0 alle Geräte abgeschlossen, 1 eines
nicht, 2 der Lauf konnte nicht starten; keine Dialoge
(läuft ohne Display)</translation>
    </message>
    <message>
        <source>save each run&apos;s report in DIR (default: the report folder
of the settings, if any); one that cannot take it: exit 2
before any unit is flashed</source>
        <translation>den Bericht jedes Laufs in DIR speichern (Vorgabe: der
Berichtsordner der Einstellungen, falls vorhanden); einer,
der ihn nicht aufnehmen kann: Exit 2, bevor ein Gerät
geflasht wird</translation>
    </message>
    <message>
        <source>each uploader&apos;s response time-out (kept; at first
60000, as the uploader&apos;s)</source>
        <translation>das Antwortzeitlimit jedes Uploaders (wird behalten;
anfangs 60000, wie beim Uploader)</translation>
    </message>
    <message>
        <source>further connection tries per unit (kept; at first 0)</source>
        <translation>weitere Verbindungsversuche je Gerät (wird behalten;
anfangs 0)</translation>
    </message>
    <message>
        <source>use a dark colour scheme</source>
        <translation>ein dunkles Farbschema verwenden</translation>
    </message>
    <message>
        <source>who runs the station, in every uploader&apos;s history rows
(default: asked at start when File &gt; Ask for the operator
is on, else the login name)</source>
        <translation>wer die Station bedient, in den Verlaufszeilen jedes
Uploaders (Vorgabe: beim Start erfragt, wenn Datei &gt;
Beim Start nach dem Bediener fragen an ist, sonst der
Anmeldename)</translation>
    </message>
    <message>
        <source>start locked for production: changing the firmware, the
list, time-out, retries or report folder needs the
supervisor password (File &gt; Supervisor password...)</source>
        <translation>für die Produktion gesperrt starten: Ändern der Firmware,
der Liste, des Zeitlimits, der Versuche oder des
Berichtsordners erfordert das Supervisor-Passwort
(Datei &gt; Supervisor-Passwort...)</translation>
    </message>
    <message>
        <source>flash only firmware whose signature (FILE.hex.minisig)
verifies with KEY: a .pub key file or the base64 key;
repeatable, any of the keys may have signed</source>
        <translation>nur Firmware flashen, deren Signatur (FILE.hex.minisig)
mit KEY bestätigt wird: eine .pub-Schlüsseldatei oder der
Base64-Schlüssel; wiederholbar, jeder der Schlüssel darf
signiert haben</translation>
    </message>
    <message>
        <source>the flash history every uploader writes its rows to
(sqlite:///path, postgresql://user@host/db or off; default:
FWU_HISTORY, else the uploaders&apos; default file); every user
can read an option: give a password in ~/.pgpass</source>
        <extracomment>Keep sqlite:///path, postgresql://user@host/db, off, FWU_HISTORY and ~/.pgpass as they are.</extracomment>
        <translation>der Flash-Verlauf, in den jeder Uploader seine Zeilen
schreibt (sqlite:///path, postgresql://user@host/db oder
off; Vorgabe: FWU_HISTORY, sonst die Vorgabedatei der
Uploader); jeder Benutzer kann eine Option lesen: ein
Passwort in ~/.pgpass angeben</translation>
    </message>
    <message>
        <source>write each unit&apos;s own number at this address of
the image, in LENGTH bytes (1 to 32); with any %1
option the numbers are on for this session, the options
not given as in File &gt; Serial numbers...</source>
        <translation>die eigene Nummer jedes Geräts an diese Adresse
des Abbilds schreiben, in LENGTH Bytes (1 bis 32); mit
einer %1-Option sind die Nummern für diese Sitzung
an, nicht angegebene Optionen wie in
Datei &gt; Seriennummern...</translation>
    </message>
    <message>
        <source>le, be, ascii, hex or bytes (as the uploader&apos;s)</source>
        <extracomment>Keep the format words as they are.</extracomment>
        <translation>le, be, ascii, hex oder bytes (wie beim Uploader)</translation>
    </message>
    <message>
        <source>counter:START[:END], list:FILE, hexlist:FILE, or label
(each unit&apos;s scanned serial is its number)</source>
        <extracomment>Keep counter:START[:END], list:FILE, hexlist:FILE and label as they are.</extracomment>
        <translation>counter:START[:END], list:FILE, hexlist:FILE oder label
(die gescannte Seriennummer jedes Geräts ist seine Nummer)</translation>
    </message>
    <message>
        <source>the pool in the flash history the numbers come from
(default: the title)</source>
        <translation>der Pool im Flash-Verlauf, aus dem die Nummern kommen
(Vorgabe: der Titel)</translation>
    </message>
    <message>
        <source>answer the HTTP/JSON control interface of a line
system on 127.0.0.1 (or ADDRESS, an address of this PC)
and PORT (0: a free one); prints its URL and token file</source>
        <translation>die HTTP/JSON-Steuerschnittstelle eines Liniensystems
auf 127.0.0.1 (oder ADDRESS, einer Adresse dieses PCs)
und PORT (0: ein freier) bedienen; gibt ihre URL und
Token-Datei aus</translation>
    </message>
    <message>
        <source>write the interface&apos;s token to FILE instead of
%1</source>
        <translation>den Token der Schnittstelle in FILE schreiben, statt
in %1</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>the command-line uploader to run (default: the one beside
this program, else %1 on PATH)</source>
        <translation>der auszuführende Kommandozeilen-Uploader (Vorgabe: der
neben diesem Programm, sonst %1 im PATH)</translation>
    </message>
    <message>
        <source>the flash history when %1 is not given</source>
        <translation>der Flash-Verlauf, wenn %1 nicht angegeben ist</translation>
    </message>
    <message>
        <source>how long a poll of the interface&apos;s events waits at most
(default 25000; for tests)</source>
        <translation>wie lange eine Abfrage der Ereignisse der Schnittstelle
höchstens wartet (Vorgabe 25000; für Tests)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Flashes one firmware file into many units at once, one %2
process per unit, and reports each unit&apos;s outcome.
</source>
        <translation>Aufruf: %1 [Optionen]
Flasht eine Firmware-Datei gleichzeitig in viele Geräte, mit einem
%2-Prozess je Gerät, und meldet das Ergebnis jedes Geräts.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Bad options: exit status %1.</source>
        <translation>Falsche Optionen: Exit-Status %1.</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Umgebung:</translation>
    </message>
</context>
<context>
    <name>StationServe</name>
    <message>
        <source>--serve needs [ADDRESS:]PORT, e.g. 8080 or 192.0.2.7:8080.</source>
        <translation>--serve erwartet [ADDRESS:]PORT, z. B. 8080 oder 192.0.2.7:8080.</translation>
    </message>
    <message>
        <source>--serve: %1 is not an address of this PC.</source>
        <translation>--serve: %1 ist keine Adresse dieses PCs.</translation>
    </message>
    <message>
        <source>The control interface answers on %1, which other computers may reach: anyone with the token can drive the station.</source>
        <translation>Die Steuerschnittstelle antwortet auf %1, das andere Computer erreichen können: jeder mit dem Token kann die Station steuern.</translation>
    </message>
</context>
<context>
    <name>StationSession</name>
    <message>
        <source>The remembered list of units in %1 cannot be read (%2). It is kept as it is until another list is opened or made.</source>
        <translation>Die gespeicherte Geräteliste in %1 kann nicht gelesen werden (%2). Sie bleibt unverändert, bis eine andere Liste geöffnet oder erstellt wird.</translation>
    </message>
    <message>
        <source>The station&apos;s settings could not be saved in %1; the list of units and the choices made here are not remembered.</source>
        <translation>Die Einstellungen der Station konnten nicht in %1 gespeichert werden; die Geräteliste und die hier getroffenen Einstellungen werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>The firmware chosen last time is gone: %1</source>
        <translation>Die zuletzt gewählte Firmware ist nicht mehr vorhanden: %1</translation>
    </message>
    <message>
        <source>Firmware Uploader Station</source>
        <translation>Firmware Uploader Station</translation>
    </message>
    <message>
        <source>Run ended. %1</source>
        <translation>Lauf beendet. %1</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Units are being flashed. Stop them all and quit?</source>
        <translation>Geräte werden geflasht. Alle anhalten und beenden?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open units list...</source>
        <translation>Geräteliste &amp;öffnen...</translation>
    </message>
    <message>
        <source>Save units list &amp;as...</source>
        <translation>Geräteliste speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save &amp;report...</source>
        <translation>Be&amp;richt speichern...</translation>
    </message>
    <message>
        <source>Report &amp;folder for automatic saving...</source>
        <translation>Berichts&amp;ordner für automatisches Speichern...</translation>
    </message>
    <message>
        <source>&amp;History of the selected units...</source>
        <translation>&amp;Verlauf der ausgewählten Geräte...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>%1

Units that are mid-transfer stay in programming mode until they are flashed again.</source>
        <translation>%1

Geräte mitten in der Übertragung bleiben im Programmiermodus, bis sie erneut geflasht werden.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stop every unit now?</source>
        <translation>Jetzt alle Geräte anhalten?</translation>
    </message>
    <message numerus="yes">
        <source>Stop the %n selected unit(s) now?</source>
        <translation>
            <numerusform>Das %n ausgewählte Gerät jetzt anhalten?</numerusform>
            <numerusform>Die %n ausgewählten Geräte jetzt anhalten?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
    <message>
        <source>Stopping the selected units...</source>
        <translation>Die ausgewählten Geräte werden angehalten...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>&amp;Protokoll anzeigen</translation>
    </message>
    <message>
        <source>&amp;Re-run</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>TrustedKeysDialog</name>
    <message>
        <source>Trusted Keys</source>
        <translation>Vertrauenswürdige Schlüssel</translation>
    </message>
    <message>
        <source>Firmware signed with one of these keys is trusted:</source>
        <translation>Mit einem dieser Schlüssel signierte Firmware ist vertrauenswürdig:</translation>
    </message>
    <message>
        <source>&amp;Add Key File…</source>
        <translation>Schlüsseldatei &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Flash only signed firmware</source>
        <translation>Nur signierte Firmware flashen</translation>
    </message>
    <message>
        <source>Add a trusted key first: with none, every file would be refused.</source>
        <translation>Zuerst einen vertrauenswürdigen Schlüssel hinzufügen: ohne einen würde jede Datei abgelehnt.</translation>
    </message>
    <message>
        <source>The trusted keys could not be saved in &quot;%1&quot;.</source>
        <translation>Die vertrauenswürdigen Schlüssel konnten nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The key %1 is trusted already.</source>
        <translation>Der Schlüssel %1 ist bereits vertrauenswürdig.</translation>
    </message>
    <message>
        <source>Add Trusted Key</source>
        <translation>Vertrauenswürdigen Schlüssel hinzufügen</translation>
    </message>
    <message>
        <source>Key ID %1</source>
        <translation>Schlüssel-ID %1</translation>
    </message>
    <message>
        <source>Public keys</source>
        <translation>Öffentliche Schlüssel</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>UnitCellText</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>keine Antwort seit %1 s</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, noch %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The number written into a unit and what became of it: burnt (never handed out again), returned (handed out again) or allocated.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A unit&apos;s progress in percent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How far a unit has got, then how long it has been silent.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>UnitFault</name>
    <message>
        <source>answer NakChecksum (01)</source>
        <translation>mit NakChecksum (01) antworten</translation>
    </message>
    <message>
        <source>answer NakProductCode (02)</source>
        <translation>mit NakProductCode (02) antworten</translation>
    </message>
    <message>
        <source>answer NakRecordType (03)</source>
        <translation>mit NakRecordType (03) antworten</translation>
    </message>
    <message>
        <source>answer the code FF</source>
        <translation>mit dem Code FF antworten</translation>
    </message>
    <message>
        <source>answer a code outside the table (default 04)</source>
        <translation>mit einem Code außerhalb der Tabelle antworten (Standard 04)</translation>
    </message>
    <message>
        <source>N stray bytes before the answer (default 2)</source>
        <translation>N fremde Bytes vor der Antwort (Standard 2)</translation>
    </message>
    <message>
        <source>the answer in fragments of N bytes, separate writes (default 1)</source>
        <translation>die Antwort in Stücken zu N Bytes, einzeln geschrieben (Standard 1)</translation>
    </message>
    <message>
        <source>the answer plus a response HH (default 00), or the two given responses, in one write</source>
        <translation>die Antwort plus eine Antwort HH (Standard 00) oder die beiden angegebenen Antworten, in einem Schreibvorgang</translation>
    </message>
    <message>
        <source>the answer written twice; with MS, the copy MS ms later, not holding back later answers</source>
        <translation>die Antwort zweimal geschrieben; mit MS die Kopie MS ms später, ohne spätere Antworten zurückzuhalten</translation>
    </message>
    <message>
        <source>stop answering, keep the connection open</source>
        <translation>nicht mehr antworten, Verbindung offen halten</translation>
    </message>
    <message>
        <source>close the connection instead of answering</source>
        <translation>die Verbindung schließen statt zu antworten</translation>
    </message>
    <message>
        <source>reset the connection (RST) instead of answering</source>
        <translation>die Verbindung zurücksetzen (RST) statt zu antworten</translation>
    </message>
    <message>
        <source>stop answering, but send a stray byte (or a response HH) every 50 ms</source>
        <translation>nicht mehr antworten, aber alle 50 ms ein fremdes Byte (oder eine Antwort HH) senden</translation>
    </message>
    <message>
        <source>the answer MS milliseconds late</source>
        <translation>die Antwort MS Millisekunden zu spät</translation>
    </message>
    <message>
        <source>a positive count is needed, not &quot;%1&quot;</source>
        <translation>eine positive Anzahl wird gebraucht, nicht „%1“</translation>
    </message>
    <message>
        <source>too many codes in &quot;%1&quot;</source>
        <translation>zu viele Codes in „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a two-digit hex code</source>
        <translation>„%1“ ist kein zweistelliger Hex-Code</translation>
    </message>
    <message>
        <source>this fault takes no argument</source>
        <translation>dieser Fehler nimmt kein Argument</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is missing (KIND@N)</source>
        <translation>„%1“: das Paket fehlt (KIND@N)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: unknown fault &quot;%2&quot;</source>
        <translation>„%1“: unbekannter Fehler „%2“</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the connection number counts from 1</source>
        <translation>„%1“: die Verbindungsnummer zählt ab 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is a number from 0 or &quot;eof&quot;</source>
        <translation>„%1“: das Paket ist eine Zahl ab 0 oder „eof“</translation>
    </message>
</context>
<context>
    <name>UnitListKeeper</name>
    <message>
        <source>Some rows cannot run: see the rows marked &quot;%1&quot;.</source>
        <translation>Einige Zeilen können nicht laufen: siehe die mit „%1“ markierten Zeilen.</translation>
    </message>
    <message>
        <source>Open units list</source>
        <translation>Geräteliste öffnen</translation>
    </message>
    <message>
        <source>Units list (*.csv)</source>
        <translation>Geräteliste (*.csv)</translation>
    </message>
    <message>
        <source>Save units list</source>
        <translation>Geräteliste speichern</translation>
    </message>
</context>
<context>
    <name>UnitListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Last flash</source>
        <translation>Letzter Flash</translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <translation>%1
Exit-Code %2</translation>
    </message>
    <message>
        <source>cannot run</source>
        <translation>kann nicht laufen</translation>
    </message>
    <message>
        <source>address &quot;%1&quot; is not valid</source>
        <translation>Adresse „%1“ ist ungültig</translation>
    </message>
    <message>
        <source>same address and port as row %1</source>
        <translation>dieselbe Adresse und derselbe Port wie Zeile %1</translation>
    </message>
    <message>
        <source>same name as row %1</source>
        <translation>derselbe Name wie Zeile %1</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the reasons one row cannot run.</extracomment>
        <translation>; </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <extracomment>Part of the counts above the units, where it is a link to the failed units.</extracomment>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n Gerät: %1 abgeschlossen, %2, %3 laufen, %4 warten</numerusform>
            <numerusform>%n Geräte: %1 abgeschlossen, %2, %3 laufen, %4 warten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting (%5 cannot run: see the marked rows)</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n Gerät: %1 abgeschlossen, %2, %3 laufen, %4 warten (%5 können nicht laufen: siehe die markierten Zeilen)</numerusform>
            <numerusform>%n Geräte: %1 abgeschlossen, %2, %3 laufen, %4 warten (%5 können nicht laufen: siehe die markierten Zeilen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnitLogDialog</name>
    <message>
        <source>Log of %1</source>
        <translation>Protokoll von %1</translation>
    </message>
    <message>
        <source>State: %1, exit code %2</source>
        <translation>Zustand: %1, Exit-Code %2</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Standard error:</source>
        <translation>Standardfehlerausgabe:</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Protokoll speichern</translation>
    </message>
    <message>
        <source>Log files (*.log *.txt)</source>
        <translation>Protokolldateien (*.log *.txt)</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>UnitSimulator</name>
    <message>
        <source>%1 is not a loopback address</source>
        <translation>%1 ist keine Loopback-Adresse</translation>
    </message>
    <message>
        <source>cannot hold port %1</source>
        <translation>kann Port %1 nicht belegen</translation>
    </message>
</context>
<context>
    <name>UnitStateText</name>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>verbindet</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>sendet</translation>
    </message>
    <message>
        <source>writing/rebooting</source>
        <translation>schreibt/startet neu</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>i.O.</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>n.i.O.</translation>
    </message>
</context>
<context>
    <name>UnitTable</name>
    <message>
        <source>unit %1</source>
        <extracomment>The name a new row of the list starts with.</extracomment>
        <translation>Gerät %1</translation>
    </message>
</context>
<context>
    <name>UnitViews</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Line view</source>
        <translation>&amp;Linienansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Normalgröße</translation>
    </message>
    <message>
        <source>&amp;Failed only</source>
        <translation>Nur &amp;fehlgeschlagene</translation>
    </message>
    <message>
        <source>A&amp;dd unit</source>
        <translation>Gerät h&amp;inzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Double-click a row for its log.</source>
        <translation>Doppelklick auf eine Zeile zeigt ihr Protokoll.</translation>
    </message>
    <message>
        <source>List o&amp;rder</source>
        <translation>&amp;Reihenfolge</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>The flash history does not answer; the attempt is written when it does.</source>
        <translation>Der Flash-Verlauf antwortet nicht; der Versuch wird geschrieben, sobald er antwortet.</translation>
    </message>
    <message>
        <source>Flash history</source>
        <translation>Flash-Verlauf</translation>
    </message>
    <message>
        <source>Database (sqlite:///path/file.sqlite, postgresql://user@host/dbname or off;
empty for the default):</source>
        <translation>Datenbank (sqlite:///path/file.sqlite, postgresql://user@host/dbname oder off;
leer für die Vorgabe):</translation>
    </message>
    <message>
        <source>A password is not kept in the window&apos;s settings. Leave it out of the URL and put it in ~/.pgpass (a line host:port:database:user:password, the file with mode 0600), where the database client finds it.</source>
        <translation>Ein Passwort wird nicht in den Einstellungen des Fensters gespeichert. Es aus der URL weglassen und in ~/.pgpass ablegen (eine Zeile host:port:database:user:password, die Datei mit Modus 0600), wo der Datenbank-Client es findet.</translation>
    </message>
    <message>
        <source>the setting could not be saved</source>
        <translation>die Einstellung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Show…</source>
        <translation>&amp;Anzeigen…</translation>
    </message>
    <message>
        <source>&amp;Database…</source>
        <translation>&amp;Datenbank…</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Writing firmware: do not remove power</source>
        <translation>Firmware wird geschrieben: Strom nicht trennen</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <extracomment>The window&apos;s caption: the program&apos;s title and version.</extracomment>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>Could not save the log to &quot;%1&quot;: %2</source>
        <translation>Das Protokoll konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <translation>Durchläufe: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: die Standardausgabe kann nicht geschrieben werden: %2
</translation>
    </message>
    <message>
        <source>
A demo firmware file to try with: %1
</source>
        <translation>
Eine Demo-Firmware-Datei zum Ausprobieren: %1
</translation>
    </message>
    <message>
        <source>
Usage: %1 [options] FILE.hex
Run &quot;%1 --help&quot; for the options and exit codes.</source>
        <translation>
Aufruf: %1 [Optionen] FILE.hex
„%1 --help“ zeigt die Optionen und Exit-Codes.</translation>
    </message>
    <message>
        <source>no station events</source>
        <translation>keine Ereignisse der Station</translation>
    </message>
    <message>
        <source>no serial numbers</source>
        <translation>keine Seriennummern</translation>
    </message>
    <message>
        <source>no attempts match</source>
        <translation>keine Versuche passen</translation>
    </message>
    <message>
        <source>%1 of %2 attempts shown; --limit 0 shows all</source>
        <translation>%1 von %2 Versuchen angezeigt; --limit 0 zeigt alle</translation>
    </message>
    <message>
        <source>
Run &quot;%1 --help&quot; for the options.</source>
        <translation>
„%1 --help“ zeigt die Optionen.</translation>
    </message>
    <message>
        <source>the history is off; give --history URL.</source>
        <translation>der Verlauf ist aus; --history URL angeben.</translation>
    </message>
    <message>
        <source>no answer from the history at %1 within %2 s</source>
        <translation>keine Antwort vom Verlauf bei %1 innerhalb von %2 s</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformationen an.</translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.
A demo firmware file to try it with: %1</source>
        <translation>Installiert Intel-HEX-Firmware über Ethernet in ein Steuergerät.
Eine Demo-Firmware-Datei zum Ausprobieren: %1</translation>
    </message>
    <message>
        <source>Firmware file to choose at start (.hex).</source>
        <translation>Firmware-Datei, die beim Start gewählt wird (.hex).</translation>
    </message>
    <message>
        <source>[FILE.hex]</source>
        <extracomment>The command line&apos;s usage line: an optional firmware file.</extracomment>
        <translation>[FILE.hex]</translation>
    </message>
    <message>
        <source>A demo firmware file to try with: %1</source>
        <translation>Eine Demo-Firmware-Datei zum Ausprobieren: %1</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for the options.</source>
        <translation>„%1“ zeigt die Optionen.</translation>
    </message>
</context>
</TS>
