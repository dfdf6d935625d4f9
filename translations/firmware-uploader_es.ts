<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ActivityLogView</name>
    <message>
        <source>&amp;Copy line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApiRequestParser</name>
    <message>
        <source>Unknown field &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body is not JSON: %1 at byte %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body must be a JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a SHA-256 in 64 hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of unit names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object of unit names and their values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a port number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every unit must be an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the firmware file&apos;s path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of unit names, &quot;all&quot; or &quot;failed&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body must be a JSON list of units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;after&quot; must be a whole number from 0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApiServer</name>
    <message>
        <source>Cannot listen on %1 port %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such resource.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the station&apos;s token: Authorization: Bearer TOKEN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body is larger than 1 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The resource does not take this method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request needs a body.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The resource takes no body.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The body must be %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many readers of the event stream; poll instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ApiToken</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a folder of this user&apos;s that nobody else can enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the token file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AttemptOutcome</name>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused by the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unusable input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hung up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploader crashed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AttemptRecorder</name>
    <message>
        <source>in progress</source>
        <extracomment>The saved log&apos;s outcome while the upload still runs.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no upload</source>
        <extracomment>The saved log&apos;s outcome before any upload was started.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: refused by the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: could not connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: connection lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: the unit stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: unusable address, port or firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped by the operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: the program was closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliHistory</name>
    <message>
        <source>the program was stopped while it waited for the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the attempt is not in the flash history (%1); the outcome stands.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliSerial</name>
    <message>
        <source>--serial-from takes its values from a pool in the flash history, and the history is off: give --history, or one value with --serial.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image has a signature file that cannot be read (%1): where the signer allows per-unit data cannot be told.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The signed image allows per-unit data only in %1; %2 is outside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pool of values cannot be reached: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pool &quot;%1&quot; handed out &quot;%2&quot;, which its source does not hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; does not fit %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pool could not be told that %1 is %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliSignaturePolicy</name>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, but no key is trusted there: add one, or give --public-key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliUploader</name>
    <message>
        <source>the address and port could not be saved in &quot;%1&quot;; the next run will not find them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write standard output: %1; the record of this run is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial value %1 from pool &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial region: %1, format %2, pool &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each hexlist record&apos;s own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next value: cannot be told: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next value: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patched record: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientArea</name>
    <message>
        <source>Firmware File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The unit&apos;s network address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The unit&apos;s TCP port number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Firmware File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the upload did, newest line last; green after a finished upload, red after a failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share of the firmware file sent, and time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose the firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen firmware file; click to choose another, or drop one on the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the unit is on the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network address of the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port of the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label of the address box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label of the port box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the chosen firmware file to the unit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareChoice</name>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not valid Intel HEX: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use &quot;%1&quot; as the firmware file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to choose the firmware file, or drop one on the window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwarePanel</name>
    <message>
        <source>%1
The firmware chosen before stays: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file chosen: choose one or drop it here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be flashed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intel HEX files (*.hex);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareSnapshot</name>
    <message>
        <source>Cannot write the run&apos;s copy of the firmware: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not valid Intel HEX: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a private folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About; %1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Flash History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address or address:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The unit&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 hex digits or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2026-03-01 or 2026-03-01T14:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2026-03-31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run:</source>
        <extracomment>The station run an attempt belongs to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 for all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash History: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No attempts match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n attempt(s), newest first.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryFilter</name>
    <message>
        <source>needs ADDRESS or ADDRESS:PORT, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs 8 to 64 hexadecimal digits, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs a whole number (0 for all), not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryPrinter</name>
    <message>
        <source>POOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STATE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATTEMPT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHANGED</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistorySchema</name>
    <message>
        <source>the history has attempts but no schema_version table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the schema_version table holds no version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>the history file is a symbolic link; give the file itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history is not a file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistorySummary</name>
    <message>
        <source>needs a list of title, firmware, day and unit, each once, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryToolOptions</name>
    <message>
        <source>--%1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--outcome needs one of %1, not &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--by goes with --summary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json and --csv exclude each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--wait needs seconds from 1 to 3600, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--events, --summary and --serials exclude each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pool goes with --serials.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImagePatch</name>
    <message>
        <source>the region %1: %2 not in the image&apos;s data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the region %1: line %2 writes to it but loads at FC00-FFFF, where records are never sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the region %1 is not 1 to %2 bytes long</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; known: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language to speak: %1 (default: the system&apos;s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the language to speak: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(default: the system&apos;s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;system&apos;s (%1)</source>
        <extracomment>The entry that follows the desktop&apos;s language; %1 names the one it is now.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language is used from the next start of the program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineView</name>
    <message>
        <source>Line view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LockControls</name>
    <message>
        <source>Wrong supervisor password: the station stays locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lock for production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unlock...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor &amp;password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station is locked. Supervisor password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New supervisor password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trusted &amp;Keys…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <extracomment>Tools menu toggle: start the upload again after each finished one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <extracomment>Tools menu toggle: send the records at a slower pace.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <extracomment>Tools menu toggle: write more detail to the log.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget</source>
        <extracomment>Tools menu item: drop the remembered address and port.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the firmware file (or drop a .hex file anywhere on the window)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the address or port box: Load and Start; on the file label: choose the firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the log to a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the upload while it connects or sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected log line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+F, X</source>
        <extracomment>The keys of File &gt; Exit: Alt with the File menu&apos;s underlined letter, then Exit&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move between the log, the address, the port, Load and Start and the file label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Load and Start, or choose the firmware file on the file label</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperatorDesk</name>
    <message>
        <source>No unit can take the serial %1 now: select one that is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;shift...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New shift</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperatorQuestions</name>
    <message>
        <source>Stop the upload now?

The unit stays in programming mode until it gets a whole firmware file or is restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperatorSeat</name>
    <message>
        <source>Ask for the &amp;operator at start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who runs the station?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutcomeAnnouncer</name>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the last upload ended: Finished or Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A desktop notification&apos;s summary: the program&apos;s title, then how the upload ended.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware was installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upload failed; the log says why.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>How the last upload ended, in the status bar: the operator stopped it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductionLock</name>
    <message>
        <source>The station is locked: unlock it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The password needs at least %n characters.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The password could not be hashed (out of memory).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set a supervisor password first (File &gt; Supervisor password...): without one nobody could unlock the station.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressCaption</name>
    <message>
        <source>%1 s</source>
        <extracomment>A time left below a minute, in seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2</source>
        <extracomment>A time left of a minute or more: minutes, then seconds as two digits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The share of the firmware file sent, in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 left</source>
        <extracomment>The progress bar&apos;s text: the share sent, then the time left.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1/%2 records  %3%  %4  %5 left</source>
        <extracomment>The progress line on a terminal: records sent of all, percent, rate, time left.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportSaver</name>
    <message>
        <source>The report folder %1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports cannot be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no report folder is set (--report-dir or File &gt; Report folder), so no report is saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report saved as %1.csv and .json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report (CSV and JSON)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder for reports saved at the end of each run (cancel: none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports are saved only when asked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports are saved in %1 after each run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Flash &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash &amp;selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Re-run failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sto&amp;p selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all</source>
        <extracomment>Units at once: no limit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many units are flashed at the same time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units at once:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An upload ends when the unit is silent this long during the transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further tries of a connection that never came about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response time-&amp;out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retr&amp;ies:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the report folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save a report in %1: every name is taken.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanField</name>
    <message>
        <source>scan a unit&apos;s label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;rial:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialCheck</name>
    <message>
        <source>%1 already finished on %2 at %3 (%4): rescan the label, or confirm at Flash that this unit is flashed again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serials already flashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Flash these units all the same?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialControls</name>
    <message>
        <source>Serial &amp;numbers...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialDialog</name>
    <message>
        <source>Serial numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write a number of its own into each unit&apos;s image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 0x7FF0:4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number, little-endian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number, big-endian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal digits (ASCII)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digits (ASCII)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes as given (e.g. a MAC address)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intel HEX list file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanned label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first[:last], e.g. 1000:1999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialFormat</name>
    <message>
        <source>&apos;%1&apos; is no format; the formats are le, be, ascii, hex and bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bytes of format %3 (the largest is %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length is %1 bytes; it must be 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; is not bytes written as 00:1A:2B or 001A2B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; has %2 bytes, the region %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialLedger</name>
    <message>
        <source>serial pool %1 holds %2, not %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial pool %1 is used up: last number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1 in pool %2 was taken meanwhile; try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1 already finished in pool %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is being written to %3 from %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number ends used, burnt or returned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1 is not in pool %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is %3 for attempt %4, not held by attempt %5; it is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialNumberText</name>
    <message>
        <source>%1 has no digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a hexadecimal digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a decimal digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2, the largest number taken</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialRegion</name>
    <message>
        <source>&apos;%1&apos; is not ADDRESS:LENGTH (e.g. 0x7FF0:4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the length is %1 bytes; it must be 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the region %1 reaches past 0xFFFFFFFF, the highest address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialSettings</name>
    <message>
        <source>Say where the number goes: an address and a length, e.g. 0x7FF0:4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address and length: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say where the numbers come from: a counter, a list file or an Intel HEX list file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of numbers cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no scanned serial to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial numbers: off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scanned label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial numbers: %1 at %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialSource</name>
    <message>
        <source>&apos;%1&apos; is no source; the sources are counter:START[:END], list:FILE and hexlist:FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the %1 file &apos;%2&apos;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos; is larger than %3 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the counter&apos;s START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the counter&apos;s END</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the counter&apos;s END %1 is below its START %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a record of type %2, not a data record (00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the record carries %2 data bytes; it must carry 1 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 repeats the record of line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the values need a region (ADDRESS:LENGTH) to go to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the counter&apos;s START: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the counter&apos;s END: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 repeats the value %2 of line %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source holds %1 values, none numbered %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the record writes %2 bytes at %3, which is not the region %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShiftCounts</name>
    <message>
        <source>Pass %1  Fail %2  Total %3  Yield %4 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShiftWatch</name>
    <message>
        <source>Shift: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new shift? Pass, Fail, Total and Yield start again from zero.

Now: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignatureStatus</name>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature: not valid: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignedRegions</name>
    <message>
        <source>the signature declares no region for per-unit data (serial-at=ADDRESS:LENGTH)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimulatorHelp</name>
    <message>
        <source>A simulated control unit: a TCP server on a loopback address that takes display texts, a programming request and Intel HEX record lines, and answers each packet as the unit does, or with the faults asked for.

Packets are counted per connection from 0: the programming request is packet 0, the first record line 1, and so on; display-text packets are not answered and not counted. Bytes that frame no packet are answered once per run with NakChecksum and dropped up to the next &apos;:&apos;, FE or F0.

Faults (--fault KIND[:ARG]@N[#C], N a packet or &quot;eof&quot; for the record of type 01, C a connection number from 1, default every connection):
  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Server faults (--fault KIND, no packet):
  never-accept        connects stay pending (the accept queue is full)
  no-server           nothing listens: connects are refused; prints &quot;no server at 127.0.0.1:PORT&quot;

A demo firmware file to send it: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port; 0 picks a free one. Printed at start as &quot;listening on 127.0.0.1:PORT&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loopback address to listen on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The product the unit is: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milliseconds before each answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 4 bytes after each response code, as 8 hex digits, or &quot;random&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milliseconds between the writes of a split or repeated answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inject a fault (repeatable, see above).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every record received, one per line, to FILE after each connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after N connections (0 = never).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after T seconds (0 = never).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print each packet and its verdict on stderr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--address must be a loopback address, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown profile &quot;%1&quot;; known: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fragment-gap needs a number of milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tail needs 8 hex digits or &quot;random&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--connections needs a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seconds needs a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot listen on %1:%2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationApi</name>
    <message>
        <source>The station is locked for production.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s SHA-256 is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit is named %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station writes no serial numbers: turn them on in File &gt; Serial numbers... or with --serial-at and --serial-from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a unit of this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No firmware that can be flashed is loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loaded firmware&apos;s SHA-256 is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station knows only its latest run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run has ended.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationEventLog</name>
    <message>
        <source>The station&apos;s event is not in the flash history: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationHelp</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Version %1&lt;/p&gt;&lt;p&gt;Flashes one Intel HEX firmware file into many control units at once, one command-line uploader per unit.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a list of units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list of units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+A</source>
        <extracomment>The accelerator of the &quot;Flash &amp;all&quot; button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+S</source>
        <extracomment>The accelerator of the &quot;Flash &amp;selected&quot; button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash the selected units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+R</source>
        <extracomment>The accelerator of the &quot;&amp;Re-run failed&quot; button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-run the failed units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+P</source>
        <extracomment>The accelerator of the &quot;Sto&amp;p selected&quot; button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the selected units (asks first)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+T</source>
        <extracomment>The accelerator of the &quot;S&amp;top all&quot; button.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop all (asks first)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the current cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the unit&apos;s log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu key, right click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop, show the log or re-run the selected units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit (asks first while units are flashed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Firmware Uploader Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a whole number of milliseconds, at least 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a whole number from 0 to 1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a whole number, 0 for all units at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An option, then what is wrong with its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <extracomment>Two option names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs %2 and %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open this list of units (CSV: name,address,port[,title])
instead of the last one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose this Intel HEX file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>units flashed at the same time; 0 for all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start flashing every unit at once (needs %1 and
%2); problems that stop the run go to standard
error and the program exits with status 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with %1: save the report and exit when the run
ends: 0 every unit finished, 1 any did not, 2 the run
could not start; no dialogs (runs without a display)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save each run&apos;s report in DIR (default: the report folder
of the settings, if any); one that cannot take it: exit 2
before any unit is flashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each uploader&apos;s response time-out (kept; at first
60000, as the uploader&apos;s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>further connection tries per unit (kept; at first 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use a dark colour scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>who runs the station, in every uploader&apos;s history rows
(default: asked at start when File &gt; Ask for the operator
is on, else the login name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start locked for production: changing the firmware, the
list, time-out, retries or report folder needs the
supervisor password (File &gt; Supervisor password...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flash only firmware whose signature (FILE.hex.minisig)
verifies with KEY: a .pub key file or the base64 key;
repeatable, any of the keys may have signed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the flash history every uploader writes its rows to
(sqlite:///path, postgresql://user@host/db or off; default:
FWU_HISTORY, else the uploaders&apos; default file); every user
can read an option: give a password in ~/.pgpass</source>
        <extracomment>Keep sqlite:///path, postgresql://user@host/db, off, FWU_HISTORY and ~/.pgpass as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write each unit&apos;s own number at this address of
the image, in LENGTH bytes (1 to 32); with any %1
option the numbers are on for this session, the options
not given as in File &gt; Serial numbers...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le, be, ascii, hex or bytes (as the uploader&apos;s)</source>
        <extracomment>Keep the format words as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counter:START[:END], list:FILE, hexlist:FILE, or label
(each unit&apos;s scanned serial is its number)</source>
        <extracomment>Keep counter:START[:END], list:FILE, hexlist:FILE and label as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pool in the flash history the numbers come from
(default: the title)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer the HTTP/JSON control interface of a line
system on 127.0.0.1 (or ADDRESS, an address of this PC)
and PORT (0: a free one); prints its URL and token file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the interface&apos;s token to FILE instead of
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the command-line uploader to run (default: the one beside
this program, else %1 on PATH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the flash history when %1 is not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how long a poll of the interface&apos;s events waits at most
(default 25000; for tests)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Flashes one firmware file into many units at once, one %2
process per unit, and reports each unit&apos;s outcome.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad options: exit status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationRunner</name>
    <message>
        <source>The attempt is not in the flash history (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has run yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No units to flash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same unit as row %1 (both reach %2 port %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before it started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationServe</name>
    <message>
        <source>--serve needs [ADDRESS:]PORT, e.g. 8080 or 192.0.2.7:8080.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--serve: %1 is not an address of this PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The control interface answers on %1, which other computers may reach: anyone with the token can drive the station.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control interface: %1 (token in %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationSession</name>
    <message>
        <source>The remembered list of units in %1 cannot be read (%2). It is kept as it is until another list is opened or made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station&apos;s settings could not be saved in %1; the list of units and the choices made here are not remembered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationTrust</name>
    <message>
        <source>Only signed firmware is flashed here: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>The firmware chosen last time is gone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Uploader Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run ended. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units are being flashed. Stop them all and quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open units list...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save units list &amp;as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report &amp;folder for automatic saving...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History of the selected units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Units that are mid-transfer stay in programming mode until they are flashed again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop every unit now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Stop the %n selected unit(s) now?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping the selected units...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Re-run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrustedKeysDialog</name>
    <message>
        <source>Trusted Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware signed with one of these keys is trusted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Key File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash only signed firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a trusted key first: with none, every file would be refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trusted keys could not be saved in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 is trusted already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Trusted Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitCellText</name>
    <message>
        <source>no answer for %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The number written into a unit and what became of it: burnt (never handed out again), returned (handed out again) or allocated.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A unit&apos;s progress in percent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How far a unit has got, then how long it has been silent.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitListFile</name>
    <message>
        <source>%1 is too large for a list of units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quoted field never ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitListKeeper</name>
    <message>
        <source>Some rows cannot run: see the rows marked &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open units list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units list (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save units list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitListModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address &quot;%1&quot; is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same address and port as row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same name as row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the reasons one row cannot run.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <extracomment>Part of the counts above the units, where it is a link to the failed units.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting (%5 cannot run: see the marked rows)</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnitLogDialog</name>
    <message>
        <source>Log of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State: %1, exit code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard error:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log files (*.log *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitProcess</name>
    <message>
        <source>The uploader crashed (signal %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The uploader ended with exit code %1 and no result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The uploader reported exit code %1 but ended with %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the uploader %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitStateText</name>
    <message>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing/rebooting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitTable</name>
    <message>
        <source>unit %1</source>
        <extracomment>The name a new row of the list starts with.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitViews</name>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Line view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Failed only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List &amp;order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a row for its log.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadEngine</name>
    <message>
        <source>Could not establish connection to %1, port %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the unit was lost: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit refused %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>The flash history does not answer; the attempt is written when it does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database (sqlite:///path/file.sqlite, postgresql://user@host/dbname or off;
empty for the default):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password is not kept in the window&apos;s settings. Leave it out of the URL and put it in ~/.pgpass (a line host:port:database:user:password, the file with mode 0600), where the database client finds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the setting could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Database…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The attempt is not in the flash history: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Writing firmware: do not remove power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <extracomment>The window&apos;s caption: the program&apos;s title and version.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the log to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
A demo firmware file to try with: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Usage: %1 [options] FILE.hex
Run &quot;%1 --help&quot; for the options and exit codes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no station events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no serial numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no attempts match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 attempts shown; --limit 0 shows all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Run &quot;%1 --help&quot; for the options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history is off; give --history URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from the history at %1 within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.
A demo firmware file to try it with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware file to choose at start (.hex).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE.hex]</source>
        <extracomment>The command line&apos;s usage line: an optional firmware file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A demo firmware file to try with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for the options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
