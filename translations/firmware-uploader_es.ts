<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ActivityLogView</name>
    <message>
        <source>&amp;Copy line</source>
        <translation>&amp;Copiar línea</translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation>Copiar &amp;todo</translation>
    </message>
</context>
<context>
    <name>ApiServer</name>
    <message>
        <source>Cannot listen on %1 port %2.</source>
        <translation>No se puede escuchar en %1, puerto %2.</translation>
    </message>
</context>
<context>
    <name>ApiToken</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 must be a folder of this user&apos;s that nobody else can enter.</source>
        <translation>%1 debe ser una carpeta de este usuario en la que nadie más pueda entrar.</translation>
    </message>
    <message>
        <source>Cannot write the token file %1: %2</source>
        <translation>No se puede escribir el archivo del token %1: %2</translation>
    </message>
</context>
<context>
    <name>AttemptOutcome</name>
    <message>
        <source>Finished</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Refused by the unit</source>
        <translation>Rechazado por la unidad</translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation>No se pudo conectar</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Conexión perdida</translation>
    </message>
    <message>
        <source>Unusable input</source>
        <translation>Entrada inutilizable</translation>
    </message>
    <message>
        <source>Output not written</source>
        <translation>Salida no escrita</translation>
    </message>
    <message>
        <source>Hung up</source>
        <translation>Terminal cerrado</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Uploader crashed</source>
        <translation>Cierre inesperado del cargador</translation>
    </message>
</context>
<context>
    <name>AttemptRecorder</name>
    <message>
        <source>in progress</source>
        <extracomment>The saved log&apos;s outcome while the upload still runs.</extracomment>
        <translation>en curso</translation>
    </message>
    <message>
        <source>no upload</source>
        <extracomment>The saved log&apos;s outcome before any upload was started.</extracomment>
        <translation>sin carga</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Failed: refused by the unit</source>
        <translation>Fallida: rechazada por la unidad</translation>
    </message>
    <message>
        <source>Failed: could not connect</source>
        <translation>Fallida: no se pudo conectar</translation>
    </message>
    <message>
        <source>Failed: connection lost</source>
        <translation>Fallida: conexión perdida</translation>
    </message>
    <message>
        <source>Failed: the unit stopped answering</source>
        <translation>Fallida: la unidad dejó de responder</translation>
    </message>
    <message>
        <source>Failed: unusable address, port or firmware file</source>
        <translation>Fallida: dirección, puerto o archivo de firmware inutilizables</translation>
    </message>
    <message>
        <source>Stopped by the operator</source>
        <translation>Detenida por el operario</translation>
    </message>
    <message>
        <source>Failed: the program was closed</source>
        <translation>Fallida: se cerró el programa</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>Size: %1 bytes</source>
        <translation>Tamaño: %1 bytes</translation>
    </message>
</context>
<context>
    <name>CliHistory</name>
    <message>
        <source>the program was stopped while it waited for the history</source>
        <translation>el programa se detuvo mientras esperaba al historial</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>sin respuesta de %1 en %2 s</translation>
    </message>
    <message>
        <source>the attempt is not in the flash history (%1); the outcome stands.</source>
        <translation>el intento no está en el historial de grabación (%1); el resultado se mantiene.</translation>
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
        <translation>Uso: %1 [opciones] FILE.hex
     %1 --check [--json] [--expect-sha256 HEX]
           [--public-key KEY] FILE.hex

Instala firmware Intel HEX en una unidad de control a través de TCP, con la
misma conversación, el mismo registro y la misma espera de reinicio que la
ventana. El registro va a la salida estándar; en un terminal, la salida de
error estándar muestra el progreso. Para varias unidades, ejecute un proceso
por unidad.

Opciones:
  --title TEXT           título de la aplicación; selecciona el perfil de
                         producto (predeterminado
                         &quot;%2&quot;)
  --address A            la dirección de la unidad (predeterminada: la que la
                         ventana muestra para el título: la guardada, si no, la
                         del perfil)
  --port P               el puerto TCP de la unidad, de 1 a 65535
                         (predeterminado: como para --address)
  --debug                registrar la conversación en detalle
  --slow                 esperar 30 ms antes de cada registro
  --loop N               cargar N veces en modo bucle; 0 para no acabar nunca
  --save-settings        guardar la dirección y el puerto tras una carga
                         completada, como hace la ventana (por defecto los
                         valores guardados se dejan como están)
  --response-timeout MS  abandonar cuando la unidad lleve MS milisegundos sin
                         responder durante la transferencia (predeterminado
                         %3)
  --json                 escribir JSON Lines en la salida estándar en lugar del
                         registro: start, log, phase, progress y un result,
                         siempre el último
  --check                comprobar el archivo y mostrar su resumen (registros,
                         bytes de datos, rangos de direcciones, SHA-256,
                         registros omitidos) sin conectar
  --expect-sha256 HEX    rechazar un archivo cuyo SHA-256 no sea HEX
  --retries N            intentar conectar hasta N veces más cuando no se llega
                         a la unidad (predeterminado 0); nunca una vez enviada
                         la petición de programación
  --retry-delay SECONDS  pausa antes de cada nuevo intento (predeterminado 2)
  --public-key KEY       rechazar el archivo salvo que su firma se verifique
                         con KEY: un archivo de clave .pub o la propia clave en
                         base64; repetible, cualquiera de las claves puede
                         haber firmado (predeterminado: las claves de confianza
                         del título, cuando &quot;Grabar solo firmware firmado&quot; de
                         la ventana está activado)
  --signature FILE       la firma del archivo de firmware (predeterminado: el
                         nombre del archivo de firmware más .minisig)
  --history URL          el historial de grabación que recibe una fila por
                         intento: sqlite:///path/file.sqlite,
                         postgresql://user@host:port/dbname u off
                         (predeterminado: FWU_HISTORY, si no,
                         ~/.local/share/FirmwareUploader/history.sqlite); una
                         fila que no se puede escribir no cambia ningún
                         resultado
  --run-id ID            la ejecución a la que pertenecen las filas (la de la
                         estación)
  --unit-name NAME       el nombre de la unidad para las filas
  --unit-serial TEXT     el número de serie de la etiqueta de la unidad, para
                         las filas y el unit_serial del JSON
  --operator NAME        quién lo ejecuta, para las filas (predeterminado: el
                         nombre de inicio de sesión)
  --firmware-origin PATH el archivo del que se copió FILE.hex, indicado en las
                         filas y en el JSON en lugar de FILE.hex (para
                         interfaces que pasan una copia privada)
  --serial-at ADDRESS:LENGTH
                         escribir el valor propio de la unidad (un número de
                         serie, una dirección MAC) en esta dirección absoluta
                         de la imagen, en LENGTH bytes (de 1 a 32; decimal o
                         hex 0x)
  --serial-format FORMAT le o be (un número en LENGTH bytes), ascii (dígitos
                         decimales), hex (dígitos hex en mayúsculas) o bytes
                         (los propios bytes del valor, p. ej.
                         00:1A:2B:3C:4D:5E); predeterminado le
  --serial-from SOURCE   tomar el valor de cada unidad de una reserva del
                         historial de grabación, sin repetir nunca un valor:
                         counter:START[:END], list:FILE (un valor por línea) o
                         hexlist:FILE (un registro de datos Intel HEX por
                         línea, su dirección y sus datos)
  --serial VALUE         el valor de la unidad, p. ej. de su etiqueta; se
                         rechaza si ya se completó en la reserva
  --serial-pool NAME     la reserva de valores (predeterminada: el título)
  --serial-stale-after SECONDS
                         un valor tomado hace este tiempo y nunca resuelto por
                         su cargador queda quemado y no se vuelve a entregar
                         (predeterminado 3600)
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
        <translation>  -h, --help             mostrar este texto
  -v, --version          mostrar la versión

Códigos de salida:
  %1    completado: la unidad tiene el firmware y se ha reiniciado (--check: el
       archivo es correcto)
  %2    rechazado por la unidad (o respondió más veces de las que se enviaron
       registros)
  %3    no se pudo conectar
  %4    conexión perdida, o la unidad dejó de responder
  %5    argumentos incorrectos, dirección o puerto incorrectos, un archivo de
       firmware que no se puede leer, no es Intel HEX válido, no es la imagen
       esperada o no tiene una firma que se verifique con una --public-key (o
       con una clave de confianza, cuando solo se graba firmware firmado)
  5    completado (--check: correcto), pero no se pudo escribir en la salida
       estándar
  129  desconexión (SIGHUP: se cerró el terminal)
  %6  interrumpido (SIGINT o SIGTERM)
</translation>
    </message>
</context>
<context>
    <name>CliUploader</name>
    <message>
        <source>the address and port could not be saved in &quot;%1&quot;; the next run will not find them.</source>
        <translation>no se pudieron guardar la dirección y el puerto en &quot;%1&quot;; la próxima ejecución no los encontrará.</translation>
    </message>
    <message>
        <source>cannot write standard output: %1; the record of this run is incomplete.</source>
        <translation>no se puede escribir en la salida estándar: %1; el registro de esta ejecución está incompleto.</translation>
    </message>
    <message>
        <source>Serial region: %1, format %2, pool &quot;%3&quot;</source>
        <translation>Región de serie: %1, formato %2, reserva &quot;%3&quot;</translation>
    </message>
    <message>
        <source>each hexlist record&apos;s own</source>
        <translation>la propia de cada registro de hexlist</translation>
    </message>
    <message>
        <source>Next value: cannot be told: %1</source>
        <translation>Siguiente valor: no se puede saber: %1</translation>
    </message>
    <message>
        <source>Next value: %1</source>
        <translation>Siguiente valor: %1</translation>
    </message>
    <message>
        <source>Patched record: %1</source>
        <translation>Registro modificado: %1</translation>
    </message>
    <message>
        <source>%1: valid Intel HEX, %2 bytes</source>
        <translation>%1: Intel HEX válido, %2 bytes</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Firma: %1</translation>
    </message>
</context>
<context>
    <name>ClientArea</name>
    <message>
        <source>Firmware File</source>
        <translation>Archivo de firmware</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation>Configuración de conexión</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The unit&apos;s network address.</extracomment>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The unit&apos;s TCP port number.</extracomment>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation>Cargar e iniciar</translation>
    </message>
    <message>
        <source>Select Firmware File...</source>
        <translation>Seleccionar archivo de firmware...</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Registro de actividad</translation>
    </message>
    <message>
        <source>What the upload did, newest line last; green after a finished upload, red after a failure</source>
        <translation>Lo que hizo la carga, la línea más reciente al final; verde tras una carga completada, rojo tras un fallo</translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation>Progreso de la carga</translation>
    </message>
    <message>
        <source>Share of the firmware file sent, and time left</source>
        <translation>Parte del archivo de firmware enviada y tiempo restante</translation>
    </message>
    <message>
        <source>Click to choose the firmware file</source>
        <translation>Haga clic para elegir el archivo de firmware</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>Archivo de firmware</translation>
    </message>
    <message>
        <source>The chosen firmware file; click to choose another, or drop one on the window</source>
        <translation>El archivo de firmware elegido; haga clic para elegir otro, o suelte uno en la ventana</translation>
    </message>
    <message>
        <source>Where the unit is on the network</source>
        <translation>Dónde está la unidad en la red</translation>
    </message>
    <message>
        <source>Network address of the unit</source>
        <translation>Dirección de red de la unidad</translation>
    </message>
    <message>
        <source>TCP port of the unit</source>
        <translation>Puerto TCP de la unidad</translation>
    </message>
    <message>
        <source>Label of the address box</source>
        <translation>Etiqueta del campo de dirección</translation>
    </message>
    <message>
        <source>Label of the port box</source>
        <translation>Etiqueta del campo de puerto</translation>
    </message>
    <message>
        <source>Send the chosen firmware file to the unit</source>
        <translation>Enviar el archivo de firmware elegido a la unidad</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Only signed firmware is flashed here: %1</source>
        <translation>Aquí solo se graba firmware firmado: %1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history: %1</source>
        <translation>El intento no está en el historial de grabación: %1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history (%1).</source>
        <translation>El intento no está en el historial de grabación (%1).</translation>
    </message>
    <message>
        <source>Stopped before it started.</source>
        <translation>Detenida antes de empezar.</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>sin respuesta de %1 en %2 s</translation>
    </message>
    <message>
        <source>The uploader crashed (signal %1).</source>
        <translation>El cargador se cerró inesperadamente (señal %1).</translation>
    </message>
    <message>
        <source>The uploader ended with exit code %1 and no result.</source>
        <translation>El cargador terminó con el código de salida %1 y sin resultado.</translation>
    </message>
    <message>
        <source>The uploader reported exit code %1 but ended with %2.</source>
        <translation>El cargador informó del código de salida %1 pero terminó con %2.</translation>
    </message>
    <message>
        <source>Cannot start the uploader %1: %2</source>
        <translation>No se puede iniciar el cargador %1: %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 se ha indicado más de una vez.</translation>
    </message>
    <message>
        <source>No firmware file given.</source>
        <translation>No se ha indicado ningún archivo de firmware.</translation>
    </message>
    <message>
        <source>One firmware file at a time; run one process per unit. Unexpected: &quot;%1&quot;.</source>
        <translation>Un archivo de firmware cada vez; ejecute un proceso por unidad. Inesperado: «%1».</translation>
    </message>
    <message>
        <source>The firmware file name is empty.</source>
        <translation>El nombre del archivo de firmware está vacío.</translation>
    </message>
    <message>
        <source>No product profile matches the title &quot;%1&quot;; a title begins with one of %2.</source>
        <translation>Ningún perfil de producto corresponde al título «%1»; un título empieza por uno de %2.</translation>
    </message>
    <message>
        <source>--address needs the unit&apos;s address.</source>
        <translation>--address necesita la dirección de la unidad.</translation>
    </message>
    <message>
        <source>--port: %1.</source>
        <translation>--port: %1.</translation>
    </message>
    <message>
        <source>--loop needs a whole number of uploads (0 for no end), not &quot;%1&quot;.</source>
        <translation>--loop necesita un número entero de cargas (0 para sin fin), no «%1».</translation>
    </message>
    <message>
        <source>--response-timeout needs a whole number of milliseconds from 1 up, not &quot;%1&quot;.</source>
        <translation>--response-timeout necesita un número entero de milisegundos a partir de 1, no «%1».</translation>
    </message>
    <message>
        <source>--expect-sha256 needs the 64 hexadecimal digits of a SHA-256, not &quot;%1&quot;.</source>
        <translation>--expect-sha256 necesita los 64 dígitos hexadecimales de un SHA-256, no «%1».</translation>
    </message>
    <message>
        <source>--retries needs a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--retries necesita un número entero de 0 a %1, no «%2».</translation>
    </message>
    <message>
        <source>--retry-delay needs a number of seconds from 0 to %1 (e.g. 2 or 0.5), not &quot;%2&quot;.</source>
        <translation>--retry-delay necesita un número de segundos de 0 a %1 (p. ej. 2 o 0.5), no «%2».</translation>
    </message>
    <message>
        <source>--public-key needs a key file or a base64 key.</source>
        <translation>--public-key necesita un archivo de clave o una clave en base64.</translation>
    </message>
    <message>
        <source>--signature needs the signature file&apos;s name.</source>
        <translation>--signature necesita el nombre del archivo de firma.</translation>
    </message>
    <message>
        <source>--signature is checked against --public-key; give the key that signed.</source>
        <translation>--signature se comprueba con --public-key; indique la clave que firmó.</translation>
    </message>
    <message>
        <source>--history: %1.</source>
        <translation>--history: %1.</translation>
    </message>
    <message>
        <source>--firmware-origin needs the path of the file the copy was made from.</source>
        <translation>--firmware-origin necesita la ruta del archivo del que se hizo la copia.</translation>
    </message>
    <message>
        <source>--serial-stale-after needs a whole number of seconds from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--serial-stale-after necesita un número entero de segundos de 1 a %1, no «%2».</translation>
    </message>
    <message>
        <source>--serial and --serial-from both give the unit&apos;s value; give one.</source>
        <translation>--serial y --serial-from indican ambos el valor de la unidad; indique solo una.</translation>
    </message>
    <message>
        <source>Say where the unit&apos;s value comes from: --serial-from SOURCE or --serial VALUE.</source>
        <translation>Indique de dónde procede el valor de la unidad: --serial-from SOURCE o --serial VALUE.</translation>
    </message>
    <message>
        <source>--serial needs the unit&apos;s value.</source>
        <translation>--serial necesita el valor de la unidad.</translation>
    </message>
    <message>
        <source>--serial-at ADDRESS:LENGTH is needed: where the unit&apos;s value goes in the image.</source>
        <translation>Se necesita --serial-at ADDRESS:LENGTH: dónde va el valor de la unidad en la imagen.</translation>
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
        <translation>--serial-from toma sus valores de una reserva del historial de grabación, y el historial está desactivado: indique --history, o un solo valor con --serial.</translation>
    </message>
    <message>
        <source>The image has a signature file that cannot be read (%1): where the signer allows per-unit data cannot be told.</source>
        <translation>La imagen tiene un archivo de firma que no se puede leer (%1): no se puede saber dónde permite el firmante datos propios de cada unidad.</translation>
    </message>
    <message>
        <source>The signed image allows per-unit data only in %1; %2 is outside.</source>
        <translation>La imagen firmada solo permite datos propios de cada unidad en %1; %2 queda fuera.</translation>
    </message>
    <message>
        <source>The pool of values cannot be reached: %1</source>
        <translation>No se puede acceder a la reserva de valores: %1</translation>
    </message>
    <message>
        <source>The pool &quot;%1&quot; handed out &quot;%2&quot;, which its source does not hold.</source>
        <translation>La reserva &quot;%1&quot; entregó &quot;%2&quot;, que su origen no contiene.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; does not fit %2.</source>
        <translation>El valor &quot;%1&quot; no cabe en %2.</translation>
    </message>
    <message>
        <source>The pool could not be told that %1 is %2: %3</source>
        <translation>No se pudo comunicar a la reserva que %1 está en estado %2: %3</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;), but no key is trusted there: add one, or give --public-key.</source>
        <translation>&quot;Grabar solo firmware firmado&quot; está activado para &quot;%1&quot; (Archivo &gt; Claves de confianza de la ventana, guardadas en &quot;%2&quot;), pero allí no hay ninguna clave de confianza: añada una, o indique --public-key.</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;): %3</source>
        <translation>&quot;Grabar solo firmware firmado&quot; está activado para &quot;%1&quot; (Archivo &gt; Claves de confianza de la ventana, guardadas en &quot;%2&quot;): %3</translation>
    </message>
    <message>
        <source>cannot create a scratch folder: %1</source>
        <translation>no se puede crear una carpeta de trabajo: %1</translation>
    </message>
    <message>
        <source>no address is saved or known for &quot;%1&quot;: give --address.</source>
        <translation>no hay ninguna dirección guardada ni conocida para «%1»: indique --address.</translation>
    </message>
    <message>
        <source>no port is saved or known for &quot;%1&quot;: give --port.</source>
        <translation>no hay ningún puerto guardado ni conocido para «%1»: indique --port.</translation>
    </message>
    <message>
        <source>could not connect to the unit at %1 port %2.</source>
        <translation>no se pudo conectar con la unidad en %1 puerto %2.</translation>
    </message>
    <message>
        <source>the attempt failed; the log says why.</source>
        <translation>el intento ha fallado; el registro indica el motivo.</translation>
    </message>
    <message>
        <source>hung up; the connection to the unit is closed.</source>
        <translation>colgado; la conexión con la unidad está cerrada.</translation>
    </message>
    <message>
        <source>interrupted; the connection to the unit is closed.</source>
        <translation>interrumpido; la conexión con la unidad está cerrada.</translation>
    </message>
    <message>
        <source>Could not connect; try %1 of %2 in %3 seconds.</source>
        <translation>No se pudo conectar; intento %1 de %2 dentro de %3 segundos.</translation>
    </message>
    <message>
        <source>Serial value %1 from pool &quot;%2&quot;.</source>
        <translation>Valor de serie %1 de la reserva &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>cannot open the firmware file &quot;%1&quot;: %2</source>
        <translation>no se puede abrir el archivo de firmware «%1»: %2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <translation>el archivo de firmware «%1» no es un Intel HEX válido: %2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not the expected image: its SHA-256 is %2, expected %3.</source>
        <translation>el archivo de firmware «%1» no es la imagen esperada: su SHA-256 es %2, se esperaba %3.</translation>
    </message>
    <message>
        <source>FWU_TIME_SCALE must be a number above 0 and at most 1, not &quot;%1&quot;.</source>
        <translation>FWU_TIME_SCALE debe ser un número mayor que 0 y como máximo 1, no «%1».</translation>
    </message>
    <message>
        <source>the history &quot;%1&quot; cannot be used: %2</source>
        <translation>el historial «%1» no se puede usar: %2</translation>
    </message>
    <message>
        <source>an SQLite history needs an absolute file name, as in sqlite:///path/history.sqlite</source>
        <translation>un historial SQLite necesita un nombre de archivo absoluto, como en sqlite:///path/history.sqlite</translation>
    </message>
    <message>
        <source>give sqlite:///path/file.sqlite, postgresql://user@host:port/dbname or off</source>
        <translation>indique sqlite:///path/file.sqlite, postgresql://user@host:port/dbname u off</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key=value pair</source>
        <translation>«%1» no es un par key=value</translation>
    </message>
    <message>
        <source>one server only</source>
        <translation>un solo servidor</translation>
    </message>
    <message>
        <source>an IPv6 address without its closing bracket</source>
        <translation>una dirección IPv6 sin su corchete de cierre</translation>
    </message>
    <message>
        <source>unexpected text after the IPv6 address</source>
        <translation>texto inesperado tras la dirección IPv6</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>el puerto debe ser un número de 1 a 65535, no «%1»</translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; cannot be passed on</source>
        <translation>el parámetro «%1» no se puede transmitir</translation>
    </message>
    <message>
        <source>the history has schema version %1, newer than this program&apos;s %2; it is left as it is: use a newer release of the program</source>
        <translation>el historial tiene la versión de esquema %1, más reciente que la %2 de este programa; se deja como está: use una versión más reciente del programa</translation>
    </message>
    <message>
        <source>the history has attempts but no schema_version table</source>
        <translation>el historial tiene intentos pero no la tabla schema_version</translation>
    </message>
    <message>
        <source>the schema_version table holds no version</source>
        <translation>la tabla schema_version no contiene ninguna versión</translation>
    </message>
    <message>
        <source>the history at %1: %2</source>
        <translation>el historial en %1: %2</translation>
    </message>
    <message>
        <source>there is no history file</source>
        <translation>no hay ningún archivo de historial</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>no se puede crear el archivo: %1</translation>
    </message>
    <message>
        <source>the history file is a symbolic link; give the file itself</source>
        <translation>el archivo del historial es un enlace simbólico; indique el propio archivo</translation>
    </message>
    <message>
        <source>the history is not a file</source>
        <translation>el historial no es un archivo</translation>
    </message>
    <message>
        <source>the Qt SQL driver %1 is not installed</source>
        <translation>el controlador Qt SQL %1 no está instalado</translation>
    </message>
    <message>
        <source>the history is off</source>
        <translation>el historial está desactivado</translation>
    </message>
    <message>
        <source>serial pool %1 holds %2, not %3</source>
        <translation>la reserva de series %1 contiene %2, no %3</translation>
    </message>
    <message>
        <source>serial pool %1 is used up: last number %2</source>
        <translation>la reserva de series %1 está agotada: último número %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 was taken meanwhile; try again</source>
        <translation>el número de serie %1 de la reserva %2 se tomó mientras tanto; vuelva a intentarlo</translation>
    </message>
    <message>
        <source>serial %1 already finished in pool %2</source>
        <translation>el número de serie %1 ya se completó en la reserva %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is being written to %3 from %4</source>
        <translation>el número de serie %1 de la reserva %2 se está escribiendo en %3 desde %4</translation>
    </message>
    <message>
        <source>a number ends used, burnt or returned</source>
        <translation>un número termina como used, burnt o returned</translation>
    </message>
    <message>
        <source>serial %1 is not in pool %2</source>
        <translation>el número de serie %1 no está en la reserva %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is %3 for attempt %4, not held by attempt %5; it is left as it is</source>
        <translation>el número de serie %1 de la reserva %2 está en estado %3 para el intento %4, no lo tiene el intento %5; se deja como está</translation>
    </message>
    <message>
        <source>Address and port not saved: cannot write %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Dirección y puerto no guardados: no se puede escribir %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Abierto</translation>
    </message>
    <message>
        <source>Listening</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Escuchando</translation>
    </message>
    <message>
        <source>Connection pending</source>
        <translation>Conexión pendiente</translation>
    </message>
    <message>
        <source>Resolving %1</source>
        <extracomment>%1 is the unit&apos;s host name, being looked up</extracomment>
        <translation>Resolviendo %1</translation>
    </message>
    <message>
        <source>Resolved %1</source>
        <extracomment>%1 is the unit&apos;s host name, looked up</extracomment>
        <translation>%1 resuelto</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Conectando con %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>%1 is closing the connection</source>
        <translation>%1 está cerrando la conexión</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Unknown state</source>
        <translation>Estado desconocido</translation>
    </message>
    <message>
        <source>port &quot;%1&quot; is not a whole number from %2 to %3</source>
        <extracomment>Part of a sentence that says what is wrong; %1 is the text given as the port</extracomment>
        <translation>el puerto &quot;%1&quot; no es un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <extracomment>%1 is the text given as the port</extracomment>
        <translation>El puerto &quot;%1&quot; no es un número entero de %2 a %3.</translation>
    </message>
    <message>
        <source>Ethernet Error%1</source>
        <extracomment>%1 is the error number with a space or a minus sign in front of it (&quot; 10061&quot;, &quot;-5&quot;)</extracomment>
        <translation>Error de Ethernet%1</translation>
    </message>
    <message>
        <source>Hint: Found device but port was not availaible. Verify port number.</source>
        <translation>Sugerencia: se encontró la unidad, pero el puerto no estaba disponible. Verifique el número de puerto.</translation>
    </message>
    <message>
        <source>Hint: Verify Ethernet Interface is configured as &apos;TCP Server&apos;.</source>
        <translation>Sugerencia: verifique que la interfaz Ethernet esté configurada como &apos;TCP Server&apos;.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, so it cannot be opened by that name; rename the file</source>
        <translation>el nombre del archivo no es UTF-8 válido, por lo que no se puede abrir con ese nombre; cambie el nombre del archivo</translation>
    </message>
    <message>
        <source>its symbolic links form a loop</source>
        <translation>sus enlaces simbólicos forman un bucle</translation>
    </message>
    <message>
        <source>a folder on its path cannot be searched (permission denied)</source>
        <translation>no se puede recorrer una carpeta de su ruta (permiso denegado)</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>es un enlace simbólico a un archivo que no existe</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is %1 bytes, more than any firmware image (at most %2 bytes)</source>
        <translation>el archivo tiene %1 bytes, más que cualquier imagen de firmware (como máximo %2 bytes)</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Abrir archivo de firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.hex)|*.hex</source>
        <extracomment>A file type and its pattern: keep &quot;(*.hex)|*.hex&quot; as it is.</extracomment>
        <translation>Archivos de firmware (*.hex)|*.hex</translation>
    </message>
    <message>
        <source>Loading firmware file, please wait...</source>
        <translation>Cargando el archivo de firmware, espere por favor...</translation>
    </message>
    <message>
        <source>the file holds a public key, not a signature.</source>
        <translation>el archivo contiene una clave pública, no una firma.</translation>
    </message>
    <message>
        <source>a signature file has 4 lines, this one has %1.</source>
        <translation>un archivo de firma tiene 4 líneas, este tiene %1.</translation>
    </message>
    <message>
        <source>the signature file does not begin with &quot;untrusted comment:&quot;.</source>
        <translation>el archivo de firma no empieza por &quot;untrusted comment:&quot;.</translation>
    </message>
    <message>
        <source>the third line of the signature file is not a &quot;trusted comment: &quot;.</source>
        <translation>la tercera línea del archivo de firma no es un &quot;trusted comment: &quot;.</translation>
    </message>
    <message>
        <source>the signature</source>
        <translation>la firma</translation>
    </message>
    <message>
        <source>the global signature</source>
        <translation>la firma global</translation>
    </message>
    <message>
        <source>the signature algorithm &quot;%1&quot; is unknown (hex %2).</source>
        <translation>el algoritmo de firma &quot;%1&quot; es desconocido (hex %2).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Records to send: %1</source>
        <translation>Registros que se enviarán: %1</translation>
    </message>
    <message>
        <source>Data bytes: %1</source>
        <translation>Bytes de datos: %1</translation>
    </message>
    <message>
        <source>Address ranges: %1 and %2 more</source>
        <translation>Rangos de direcciones: %1 y %2 más</translation>
    </message>
    <message>
        <source>Address ranges: %1</source>
        <translation>Rangos de direcciones: %1</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address range; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>Escrito dos veces con bytes distintos: %1 rango de direcciones; la unidad recibe los registros en el orden del archivo, por lo que conserva los bytes de la línea posterior:</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address ranges; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>Escritos dos veces con bytes distintos: %1 rangos de direcciones; la unidad recibe los registros en el orden del archivo, por lo que conserva los bytes de la línea posterior:</translation>
    </message>
    <message>
        <source>  %1: line %2, then line %3</source>
        <translation>  %1: línea %2, luego línea %3</translation>
    </message>
    <message>
        <source>  and %1 more</source>
        <translation>  y %1 más</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): none</source>
        <translation>Omitidos (dirección de carga FC00 a FFFF): ninguno</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 record, line %2</source>
        <translation>Omitidos (dirección de carga FC00 a FFFF): %1 registro, línea %2</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2</source>
        <translation>Omitidos (dirección de carga FC00 a FFFF): %1 registros, líneas %2</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2 and %3 more</source>
        <translation>Omitidos (dirección de carga FC00 a FFFF): %1 registros, líneas %2 y %3 más</translation>
    </message>
    <message>
        <source>data</source>
        <extracomment>The kind of an Intel HEX record of type 00.</extracomment>
        <translation>datos</translation>
    </message>
    <message>
        <source>end of file</source>
        <translation>fin de archivo</translation>
    </message>
    <message>
        <source>extended segment address</source>
        <translation>dirección de segmento extendida</translation>
    </message>
    <message>
        <source>start segment address</source>
        <translation>dirección de segmento de inicio</translation>
    </message>
    <message>
        <source>extended linear address</source>
        <translation>dirección lineal extendida</translation>
    </message>
    <message>
        <source>start linear address</source>
        <translation>dirección lineal de inicio</translation>
    </message>
    <message>
        <source>character &apos;%1&apos;</source>
        <translation>carácter &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>un espacio</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>byte 0x%1</translation>
    </message>
    <message>
        <source>longer than any record can be (at most %1 characters)</source>
        <translation>más larga de lo que puede ser un registro (como máximo %1 caracteres)</translation>
    </message>
    <message>
        <source>does not start with &apos;:&apos; but with %1</source>
        <translation>no empieza por &apos;:&apos; sino por %1</translation>
    </message>
    <message>
        <source>%1 at column %2 is not a hexadecimal digit</source>
        <translation>%1 en la columna %2 no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>too short for a record (%1 characters, at least 11 needed)</source>
        <translation>demasiado corta para un registro (%1 caracteres, se necesitan al menos 11)</translation>
    </message>
    <message>
        <source>has an odd number of hexadecimal digits (%1)</source>
        <translation>tiene un número impar de dígitos hexadecimales (%1)</translation>
    </message>
    <message>
        <source>byte count says %1 data bytes, but the line holds %2</source>
        <translation>el recuento de bytes indica %1 bytes de datos, pero la línea contiene %2</translation>
    </message>
    <message>
        <source>checksum is %1, should be %2</source>
        <translation>la suma de comprobación es %1, debería ser %2</translation>
    </message>
    <message>
        <source>record type %1 is unknown (known types are 00 to 05)</source>
        <translation>el tipo de registro %1 es desconocido (los tipos conocidos son 00 a 05)</translation>
    </message>
    <message>
        <source>type %1 (%2) must carry %3 data bytes, this one carries %4</source>
        <translation>el tipo %1 (%2) debe llevar %3 bytes de datos, este lleva %4</translation>
    </message>
    <message>
        <source>starts with a UTF-8 byte-order mark (bytes EF BB BF); save the file without it</source>
        <translation>empieza con una marca de orden de bytes UTF-8 (bytes EF BB BF); guarde el archivo sin ella</translation>
    </message>
    <message>
        <source>holds a DOS end-of-file byte (Ctrl-Z, 1A) at column %1; remove it</source>
        <translation>contiene un byte de fin de archivo de DOS (Ctrl-Z, 1A) en la columna %1; elimínelo</translation>
    </message>
    <message>
        <source>holds only blanks (spaces or tabs); remove them</source>
        <translation>solo contiene blancos (espacios o tabulaciones); elimínelos</translation>
    </message>
    <message>
        <source>ends in blanks (spaces or tabs) from column %1; remove them</source>
        <translation>termina en blancos (espacios o tabulaciones) desde la columna %1; elimínelos</translation>
    </message>
    <message>
        <source>line %1: a record follows the end-of-file record of line %2</source>
        <translation>línea %1: un registro sigue al registro de fin de archivo de la línea %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file holds no records, only empty lines</source>
        <translation>el archivo no contiene registros, solo líneas vacías</translation>
    </message>
    <message>
        <source>the file does not end with an end-of-file record (type 01): its last record, on line %1, is type %2</source>
        <translation>el archivo no termina con un registro de fin de archivo (tipo 01): su último registro, en la línea %1, es de tipo %2</translation>
    </message>
    <message>
        <source>line %1: the end-of-file record loads at FC00 to FFFF, where records are never sent</source>
        <translation>línea %1: el registro de fin de archivo carga en FC00 a FFFF, donde nunca se envían registros</translation>
    </message>
    <message>
        <source>the file holds no data that would be sent (records at FC00 to FFFF are never sent): the unit would be left without firmware</source>
        <translation>el archivo no contiene datos que se vayan a enviar (los registros en FC00 a FFFF nunca se envían): la unidad quedaría sin firmware</translation>
    </message>
    <message>
        <source>%1 is not valid base64.</source>
        <translation>%1 no es base64 válido.</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3.</source>
        <translation>%1 tiene %2 bytes en lugar de %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is a folder.</source>
        <translation>%1 &quot;%2&quot; es una carpeta.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a regular file.</source>
        <translation>%1 &quot;%2&quot; no es un archivo normal.</translation>
    </message>
    <message>
        <source>cannot read %1 &quot;%2&quot;: %3</source>
        <translation>no se puede leer %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is larger than %3 bytes.</source>
        <translation>%1 &quot;%2&quot; supera %3 bytes.</translation>
    </message>
    <message>
        <source>a public key is one base64 line, after an optional &quot;untrusted comment:&quot; line.</source>
        <translation>una clave pública es una línea base64, tras una línea &quot;untrusted comment:&quot; opcional.</translation>
    </message>
    <message>
        <source>the public key</source>
        <translation>la clave pública</translation>
    </message>
    <message>
        <source>the public key is not an Ed25519 key (algorithm &quot;%1&quot;).</source>
        <translation>la clave pública no es una clave Ed25519 (algoritmo &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>the public key file</source>
        <translation>el archivo de clave pública</translation>
    </message>
    <message>
        <source>no file by that name, and %1</source>
        <translation>no hay ningún archivo con ese nombre, y %1</translation>
    </message>
    <message>
        <source>the public key &quot;%1&quot; cannot be used: %2</source>
        <translation>la clave pública &quot;%1&quot; no se puede usar: %2</translation>
    </message>
    <message>
        <source>the signature file</source>
        <translation>el archivo de firma</translation>
    </message>
    <message>
        <source>the firmware is not signed: %1</source>
        <translation>el firmware no está firmado: %1</translation>
    </message>
    <message>
        <source>the signature &quot;%1&quot; is refused: %2</source>
        <translation>se rechaza la firma &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>the signature library could not start.</source>
        <translation>la biblioteca de firmas no pudo iniciarse.</translation>
    </message>
    <message>
        <source>it was made with key %1, which is not trusted here (trusted: %2).</source>
        <translation>se hizo con la clave %1, que aquí no es de confianza (de confianza: %2).</translation>
    </message>
    <message>
        <source>it does not match the firmware: the image is not the one key %1 signed.</source>
        <translation>no coincide con el firmware: la imagen no es la que firmó la clave %1.</translation>
    </message>
    <message>
        <source>its trusted comment is not the one key %1 signed.</source>
        <translation>su comentario de confianza no es el que firmó la clave %1.</translation>
    </message>
    <message>
        <source>Signed by key %1: %2</source>
        <translation>Firmado por la clave %1: %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rechazada</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tiempo de conexión agotado</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>No hay ruta hasta el host</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>La red es inaccesible</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Conexión reiniciada por el otro extremo</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Tubería rota (broken pipe)</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>El software provocó la interrupción de la conexión</translation>
    </message>
    <message>
        <source>Cannot assign requested address</source>
        <translation>No se puede asignar la dirección solicitada</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>La dirección ya está en uso</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>El host no está activo</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>La red no está activa</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>La red cortó la conexión al reiniciarse</translation>
    </message>
    <message>
        <source>Address family not supported by protocol</source>
        <translation>Familia de direcciones no admitida por el protocolo</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Demasiados archivos abiertos en el sistema</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>No hay espacio de búfer disponible</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>No se puede asignar memoria</translation>
    </message>
    <message>
        <source>System error %1</source>
        <extracomment>The words for a system error number when the system&apos;s own cannot be had</extracomment>
        <translation>Error del sistema %1</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>No se encontró el host</translation>
    </message>
    <message>
        <source>an IPv4 address is four numbers from 0 to 255 separated by dots, such as 192.168.1.50</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>una dirección IPv4 son cuatro números de 0 a 255 separados por puntos, como 192.168.1.50</translation>
    </message>
    <message>
        <source>write the numbers without leading zeros, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>escriba los números sin ceros a la izquierda, así: %1</translation>
    </message>
    <message>
        <source>a host name is letters, digits and hyphens, in parts separated by dots</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>un nombre de host consta de letras, dígitos y guiones, en partes separadas por puntos</translation>
    </message>
    <message>
        <source>enter the unit&apos;s IPv4 address or host name</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>introduzca la dirección IPv4 o el nombre de host de la unidad</translation>
    </message>
    <message>
        <source>write the address without the dot at its end, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>escriba la dirección sin el punto final, así: %1</translation>
    </message>
    <message>
        <source>the region %1: %2 not in the image&apos;s data</source>
        <translation>la región %1: %2 no está en los datos de la imagen</translation>
    </message>
    <message>
        <source>the region %1: line %2 writes to it but loads at FC00-FFFF, where records are never sent</source>
        <translation>la región %1: la línea %2 escribe en ella pero carga en FC00-FFFF, donde nunca se envían registros</translation>
    </message>
    <message>
        <source>the region %1 is not 1 to %2 bytes long</source>
        <translation>la región %1 no mide de 1 a %2 bytes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no format; the formats are le, be, ascii, hex and bytes</source>
        <translation>&apos;%1&apos; no es un formato; los formatos son le, be, ascii, hex y bytes</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bytes of format %3 (the largest is %4)</source>
        <translation>%1 no cabe en %2 bytes con el formato %3 (el máximo es %4)</translation>
    </message>
    <message>
        <source>the length is %1 bytes; it must be 1 to %2</source>
        <translation>la longitud es de %1 bytes; debe ser de 1 a %2</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos;</source>
        <translation>el valor &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; is not bytes written as 00:1A:2B or 001A2B</source>
        <translation>el valor &apos;%1&apos; no son bytes escritos como 00:1A:2B o 001A2B</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; has %2 bytes, the region %3</source>
        <translation>el valor &apos;%1&apos; tiene %2 bytes, la región %3</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 no tiene dígitos</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a hexadecimal digit</source>
        <translation>%1 contiene &apos;%2&apos;, que no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a decimal digit</source>
        <translation>%1 contiene &apos;%2&apos;, que no es un dígito decimal</translation>
    </message>
    <message>
        <source>%1 is larger than %2, the largest number taken</source>
        <translation>%1 es mayor que %2, el mayor número admitido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not ADDRESS:LENGTH (e.g. 0x7FF0:4)</source>
        <translation>&apos;%1&apos; no es ADDRESS:LENGTH (p. ej. 0x7FF0:4)</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>la dirección</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>la longitud</translation>
    </message>
    <message>
        <source>the region %1 reaches past 0xFFFFFFFF, the highest address</source>
        <translation>la región %1 sobrepasa 0xFFFFFFFF, la dirección más alta</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no source; the sources are counter:START[:END], list:FILE and hexlist:FILE</source>
        <translation>&apos;%1&apos; no es un origen; los orígenes son counter:START[:END], list:FILE y hexlist:FILE</translation>
    </message>
    <message>
        <source>cannot read the %1 file &apos;%2&apos;: %3</source>
        <translation>no se puede leer el archivo %1 &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>no se ha indicado ningún archivo</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos; is larger than %3 MiB</source>
        <translation>el archivo %1 &apos;%2&apos; supera %3 MiB</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos;: %3</source>
        <translation>el archivo %1 &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>the counter&apos;s START</source>
        <translation>el START del contador</translation>
    </message>
    <message>
        <source>the counter&apos;s END</source>
        <translation>el END del contador</translation>
    </message>
    <message>
        <source>the counter&apos;s END %1 is below its START %2</source>
        <translation>el END %1 del contador es menor que su START %2</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>supera %1 MiB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la línea %1 supera %2 bytes</translation>
    </message>
    <message>
        <source>holds no values</source>
        <translation>no contiene valores</translation>
    </message>
    <message>
        <source>line %1: a record of type %2, not a data record (00)</source>
        <translation>línea %1: un registro de tipo %2, no un registro de datos (00)</translation>
    </message>
    <message>
        <source>line %1: the record carries %2 data bytes; it must carry 1 to %3</source>
        <translation>línea %1: el registro lleva %2 bytes de datos; debe llevar de 1 a %3</translation>
    </message>
    <message>
        <source>line %1 repeats the record of line %2</source>
        <translation>la línea %1 repite el registro de la línea %2</translation>
    </message>
    <message>
        <source>the values need a region (ADDRESS:LENGTH) to go to</source>
        <translation>los valores necesitan una región (ADDRESS:LENGTH) a la que ir</translation>
    </message>
    <message>
        <source>the counter&apos;s START: %1</source>
        <translation>el START del contador: %1</translation>
    </message>
    <message>
        <source>the counter&apos;s END: %1</source>
        <translation>el END del contador: %1</translation>
    </message>
    <message>
        <source>line %1 repeats the value %2 of line %3</source>
        <translation>la línea %1 repite el valor %2 de la línea %3</translation>
    </message>
    <message>
        <source>the source holds %1 values, none numbered %2</source>
        <translation>el origen contiene %1 valores, ninguno con el número %2</translation>
    </message>
    <message>
        <source>line %1: the record writes %2 bytes at %3, which is not the region %4</source>
        <translation>línea %1: el registro escribe %2 bytes en %3, que no es la región %4</translation>
    </message>
    <message>
        <source>the signature declares no region for per-unit data (serial-at=ADDRESS:LENGTH)</source>
        <translation>la firma no declara ninguna región para datos propios de cada unidad (serial-at=ADDRESS:LENGTH)</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>It took %1 mS to connect.</source>
        <extracomment>%1 is a number of milliseconds (no digits when under one)</extracomment>
        <translation>La conexión tardó %1 mS.</translation>
    </message>
    <message>
        <source>After %1 mS, I gave up!</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>¡Abandonado tras %1 mS!</translation>
    </message>
    <message>
        <source>Could not establish connection to %1</source>
        <translation>No se pudo establecer la conexión con %1</translation>
    </message>
    <message>
        <source>Unit address %1, port %2.</source>
        <translation>Dirección de la unidad %1, puerto %2.</translation>
    </message>
    <message>
        <source>Could not establish connection to %1, port %2.</source>
        <translation>No se pudo establecer la conexión con %1, puerto %2.</translation>
    </message>
    <message>
        <source>Address &quot;%1&quot; is not valid: %2.</source>
        <extracomment>%2 says what is wrong with the address and what to do</extracomment>
        <translation>La dirección &quot;%1&quot; no es válida: %2.</translation>
    </message>
    <message>
        <source>Connected to %1 port %2.</source>
        <translation>Conectado a %1, puerto %2.</translation>
    </message>
    <message>
        <source>Unit not responding!</source>
        <translation>¡La unidad no responde!</translation>
    </message>
    <message>
        <source>Checking connection at %1 mS...</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>Comprobando la conexión a los %1 mS...</translation>
    </message>
    <message>
        <source>No product profile matches the application title &quot;%1&quot;.</source>
        <translation>Ningún perfil de producto coincide con el título de la aplicación &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Sending firmware...</source>
        <translation>Enviando firmware...</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <extracomment>Stands for the firmware file&apos;s name when none has been chosen</extracomment>
        <translation>(ninguno elegido)</translation>
    </message>
    <message>
        <source>no file chosen</source>
        <extracomment>Why the firmware file cannot be opened, when none has been chosen</extracomment>
        <translation>no se ha elegido ningún archivo</translation>
    </message>
    <message>
        <source>Cannot open the firmware file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be opened</extracomment>
        <translation>No se puede abrir el archivo de firmware &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <extracomment>%2 is what is wrong with the file</extracomment>
        <translation>El archivo de firmware &quot;%1&quot; no es Intel HEX válido: %2</translation>
    </message>
    <message>
        <source>Stopped by the operator.</source>
        <translation>Detenida por el operario.</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <extracomment>%1 is the number of uploads finished in loop mode</extracomment>
        <translation>Bucles: %1</translation>
    </message>
    <message>
        <source>Upload complete.</source>
        <translation>Carga completada.</translation>
    </message>
    <message>
        <source>Upload complete, %1 seconds.</source>
        <translation>Carga completada, %1 segundos.</translation>
    </message>
    <message>
        <source>Writing firmware, DO NOT REMOVE POWER!</source>
        <translation>Escribiendo firmware, ¡NO DESCONECTE LA ALIMENTACIÓN!</translation>
    </message>
    <message>
        <source>Waiting for unit to reboot....</source>
        <translation>Esperando a que la unidad se reinicie....</translation>
    </message>
    <message>
        <source>Done!  Unit is ready to use.</source>
        <translation>¡Listo!  La unidad está lista para usarse.</translation>
    </message>
    <message>
        <source>Disconnecting from %1</source>
        <translation>Desconectando de %1</translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;</extracomment>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;; %1 is a whole number other than one</extracomment>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>The connection to the unit was lost.</source>
        <translation>Se perdió la conexión con la unidad.</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: %1.</source>
        <extracomment>%1 is the system&apos;s description of the error</extracomment>
        <translation>Se perdió la conexión con la unidad: %1.</translation>
    </message>
    <message>
        <source>The unit sent %1 bytes of answers that were never asked for; the upload was stopped.</source>
        <translation>La unidad envió %1 bytes de respuestas que nunca se pidieron; se detuvo la carga.</translation>
    </message>
    <message>
        <source>Dropped %1 bytes of answers that were never asked for.</source>
        <translation>Se descartaron %1 bytes de respuestas que nunca se pidieron.</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: the unit closed it.</source>
        <translation>Se perdió la conexión con la unidad: la unidad la cerró.</translation>
    </message>
    <message>
        <source>The unit did not answer the last record within %1: it may not have the whole firmware.</source>
        <extracomment>%1 is a time such as &quot;5 seconds&quot;</extracomment>
        <translation>La unidad no respondió al último registro en %1: puede que no tenga el firmware completo.</translation>
    </message>
    <message>
        <source>The unit stopped answering: no response for %1.</source>
        <extracomment>%1 is a time such as &quot;60 seconds&quot;</extracomment>
        <translation>La unidad dejó de responder: sin respuesta durante %1.</translation>
    </message>
    <message>
        <source>NAK - Incorrect Checksum</source>
        <extracomment>The unit&apos;s refusal of a record whose checksum is wrong</extracomment>
        <translation>NAK - Suma de comprobación incorrecta</translation>
    </message>
    <message>
        <source>NAK - Incorrect Product Code</source>
        <extracomment>The unit&apos;s refusal of firmware made for another product</extracomment>
        <translation>NAK - Código de producto incorrecto</translation>
    </message>
    <message>
        <source>NAK - Incorrect Record Type</source>
        <extracomment>The unit&apos;s refusal of a record of a type it does not take</extracomment>
        <translation>NAK - Tipo de registro incorrecto</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The unit&apos;s answer that it did not understand what it was sent</extracomment>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>From Unit %1</source>
        <extracomment>%1 is the bytes received, in hexadecimal, after a space</extracomment>
        <translation>De la unidad %1</translation>
    </message>
    <message>
        <source>Incomplete response from device</source>
        <translation>Respuesta incompleta de la unidad</translation>
    </message>
    <message>
        <source>Spurrious byte</source>
        <extracomment>A byte from the unit that is not part of any answer</extracomment>
        <translation>Byte espurio</translation>
    </message>
    <message>
        <source>Unrecognised response from unit %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>Respuesta no reconocida de la unidad %1</translation>
    </message>
    <message>
        <source>Answer before the transfer began, discarded: %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>Respuesta anterior al inicio de la transferencia, descartada: %1</translation>
    </message>
    <message>
        <source>ACK from unit</source>
        <translation>ACK de la unidad</translation>
    </message>
    <message>
        <source>Surplus ACK dropped: it answers no record.</source>
        <translation>ACK sobrante descartado: no responde a ningún registro.</translation>
    </message>
    <message>
        <source>%1 dropped: the attempt is already ending.</source>
        <extracomment>%1 is the unit&apos;s refusal, such as &quot;NAK - Incorrect Checksum&quot;</extracomment>
        <translation>%1 descartado: el intento ya está terminando.</translation>
    </message>
    <message>
        <source>Device responded with an error.  Please try again.</source>
        <translation>La unidad respondió con un error.  Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The unit refused %1.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;</extracomment>
        <translation>La unidad rechazó %1.</translation>
    </message>
    <message>
        <source>The unit refused %1: %2.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;; %2 the refusal</extracomment>
        <translation>La unidad rechazó %1: %2.</translation>
    </message>
    <message>
        <source>the programming request</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;</extracomment>
        <translation>la solicitud de programación</translation>
    </message>
    <message>
        <source>record %1, line %2 of the file</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;; %1 counts the records sent, %2 is the file&apos;s line</extracomment>
        <translation>el registro %1, línea %2 del archivo</translation>
    </message>
    <message>
        <source>Answer dropped: the upload has already failed.</source>
        <translation>Respuesta descartada: la carga ya ha fallado.</translation>
    </message>
    <message>
        <source>The unit answered more often than records were sent: its answers no longer match the records, so nothing confirms that it has the firmware.</source>
        <translation>La unidad respondió más veces de las que se enviaron registros: sus respuestas ya no coinciden con los registros, así que nada confirma que tenga el firmware.</translation>
    </message>
    <message>
        <source>Cannot write the run&apos;s copy of the firmware: %1</source>
        <translation>No se puede escribir la copia del firmware de la ejecución: %1</translation>
    </message>
    <message>
        <source>%1 is not valid Intel HEX: %2</source>
        <translation>%1 no es Intel HEX válido: %2</translation>
    </message>
    <message>
        <source>Cannot make a private folder: %1</source>
        <translation>No se puede crear una carpeta privada: %1</translation>
    </message>
    <message>
        <source>A run is on.</source>
        <translation>Hay una ejecución en curso.</translation>
    </message>
    <message>
        <source>Nothing has run yet.</source>
        <translation>Todavía no se ha ejecutado nada.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>No units to flash.</source>
        <translation>No hay unidades que grabar.</translation>
    </message>
    <message>
        <source>same unit as row %1 (both reach %2 port %3)</source>
        <translation>la misma unidad que la fila %1 (ambas llegan a %2, puerto %3)</translation>
    </message>
    <message>
        <source>%1 is too large for a list of units.</source>
        <translation>%1 es demasiado grande para una lista de unidades.</translation>
    </message>
    <message>
        <source>A quoted field never ends.</source>
        <translation>Un campo entre comillas no termina nunca.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>La primera línea debe ser la cabecera %1.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>FirmwareChoice</name>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>not valid Intel HEX: %1</source>
        <translation>no es Intel HEX válido: %1</translation>
    </message>
    <message>
        <source>Cannot use &quot;%1&quot; as the firmware file:</source>
        <translation>No se puede usar &quot;%1&quot; como archivo de firmware:</translation>
    </message>
    <message>
        <source>Click to choose the firmware file, or drop one on the window</source>
        <translation>Haga clic para elegir el archivo de firmware, o suelte uno en la ventana</translation>
    </message>
</context>
<context>
    <name>FirmwarePanel</name>
    <message>
        <source>%1
The firmware chosen before stays: %2</source>
        <translation>%1
Se mantiene el firmware elegido antes: %2</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>No file chosen: choose one or drop it here.</source>
        <translation>Ningún archivo elegido: elija uno o suéltelo aquí.</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>Cannot be flashed: %1</source>
        <translation>No se puede grabar: %1</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Elegir firmware</translation>
    </message>
    <message>
        <source>Intel HEX files (*.hex);;All files (*)</source>
        <translation>Archivos Intel HEX (*.hex);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>FirmwareSnapshot</name>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>Firma: clave %1, comentario de confianza: %2</translation>
    </message>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>No firmado por una clave de confianza: %1</translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.</source>
        <translation>Instala firmware Intel HEX en una unidad de control a través de Ethernet.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Compilado con Qt %1, ejecutándose en Qt %2.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About; %1 is the program&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Flash History</source>
        <translation>Historial de grabación</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unidad:</translation>
    </message>
    <message>
        <source>address or address:port</source>
        <translation>dirección o dirección:puerto</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The unit&apos;s name.</extracomment>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>SHA-256:</source>
        <translation>SHA-256:</translation>
    </message>
    <message>
        <source>8 hex digits or more</source>
        <translation>8 dígitos hex o más</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>Since:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>2026-03-01 or 2026-03-01T14:30</source>
        <translation>2026-03-01 o 2026-03-01T14:30</translation>
    </message>
    <message>
        <source>Until:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>2026-03-31</source>
        <translation>2026-03-31</translation>
    </message>
    <message>
        <source>Run:</source>
        <extracomment>The station run an attempt belongs to.</extracomment>
        <translation>Ejecución:</translation>
    </message>
    <message>
        <source>At most:</source>
        <translation>Máximo:</translation>
    </message>
    <message>
        <source>0 for all</source>
        <translation>0 para todos</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar historial</translation>
    </message>
    <message>
        <source>Flash History: %1</source>
        <translation>Historial de grabación: %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation>Leyendo el historial…</translation>
    </message>
    <message>
        <source>No attempts match.</source>
        <translation>Ningún intento coincide.</translation>
    </message>
    <message numerus="yes">
        <source>%n attempt(s), newest first.</source>
        <translation>
            <numerusform>%n intento, el más reciente primero.</numerusform>
            <numerusform>%n intentos, los más recientes primero.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportado a %1.</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
</context>
<context>
    <name>HistoryFilter</name>
    <message>
        <source>needs ADDRESS or ADDRESS:PORT, not &quot;%1&quot;</source>
        <translation>necesita ADDRESS o ADDRESS:PORT, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>necesita un puerto de 1 a 65535, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs 8 to 64 hexadecimal digits, not &quot;%1&quot;</source>
        <translation>necesita de 8 a 64 dígitos hexadecimales, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs a whole number (0 for all), not &quot;%1&quot;</source>
        <translation>necesita un número entero (0 para todos), no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs an ISO date or time (2026-03-01, 2026-03-01T14:30 in local time, 2026-03-01T14:30Z or 2026-03-01T14:30+01:00), not &quot;%1&quot;</source>
        <translation>necesita una fecha u hora ISO (2026-03-01, 2026-03-01T14:30 en hora local, 2026-03-01T14:30Z o 2026-03-01T14:30+01:00), no «%1»</translation>
    </message>
</context>
<context>
    <name>HistorySummary</name>
    <message>
        <source>needs a list of title, firmware, day and unit, each once, not &quot;%1&quot;</source>
        <translation>necesita una lista de title, firmware, day y unit, cada uno una vez, no &quot;%1&quot;</translation>
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
        <translation>--outcome necesita uno de %1, no &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--by goes with --summary.</source>
        <translation>--by va con --summary.</translation>
    </message>
    <message>
        <source>--by %1.</source>
        <translation>--by %1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 se ha indicado más de una vez.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argumento inesperado &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--json and --csv exclude each other.</source>
        <translation>--json y --csv se excluyen mutuamente.</translation>
    </message>
    <message>
        <source>--wait needs seconds from 1 to 3600, not &quot;%1&quot;.</source>
        <translation>--wait necesita segundos de 1 a 3600, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--events, --summary and --serials exclude each other.</source>
        <translation>--events, --summary y --serials se excluyen mutuamente.</translation>
    </message>
    <message>
        <source>--pool goes with --serials.</source>
        <translation>--pool va con --serials.</translation>
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
        <translation>Uso: %1 [opciones]

Muestra el historial de grabación: una fila por intento de carga de la ventana,
del cargador de línea de comandos y de la estación, el más reciente primero.

Opciones:
  --history URL      el historial: sqlite:///path/file.sqlite,
                     postgresql://user@host:port/dbname (las formas de URI de
                     libpq, ?host=/socket/dir incluido; guarde la contraseña en
                     ~/.pgpass); predeterminado: FWU_HISTORY, si no,
                     ~/.local/share/FirmwareUploader/history.sqlite
  --wait SECONDS     cuánto puede tardar el historial en responder antes de que
                     la herramienta abandone con la salida 2 (predeterminado
                     30)
  --json             JSON Lines: un objeto por intento (horas en UTC)
  --csv              valores separados por comas con una línea de cabecera
                     (UTC)
  --unit A[:P]       intentos en la unidad con la dirección A (y el puerto P)
  --name NAME        intentos en la unidad con ese nombre
  --unit-serial TEXT intentos en la unidad con ese número de serie en su
                     etiqueta
  --serial VALUE     intentos que escribieron ese número de serie en la imagen
  --sha256 HEX       firmware cuyo SHA-256 empieza por HEX (8 dígitos o más)
  --outcome WORD     intentos que terminaron así: %2
  --since WHEN       intentos iniciados en WHEN o después: una fecha u hora
                     ISO, 2026-03-01T14:30Z o +01:00; sin Z ni desplazamiento,
                     su hora local
  --until WHEN       intentos iniciados hasta WHEN (una fecha: hasta su final)
  --run-id ID        intentos de una ejecución de la estación
  --limit N          como máximo N intentos, 0 para todos (predeterminado: %3
                     en la tabla, todos con --json o --csv)
  --summary          unidades, intentos, completados, rendimiento a la primera
                     y final por grupo de todos los intentos que coinciden
  --by LIST          los grupos del resumen: cualquiera de title, firmware,
                     day, unit (predeterminado title,firmware)
  --events           en su lugar, los eventos de las estaciones: bloqueo,
                     desbloqueo, un desbloqueo rechazado, un turno nuevo (con
                     --limit)
  --serials          en su lugar, el registro de números de serie: cada número
                     de cada reserva, su estado (allocated, used, burnt,
                     returned) y el intento, la unidad y el equipo que lo tuvo
                     por última vez
  --pool NAME        con --serials: solo los números de esa reserva
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
        <translation>  -h, --help         mostrar este texto
  -v, --version      mostrar la versión

La tabla muestra su hora local con su desplazamiento; JSON y CSV mantienen UTC.

Códigos de salida:
  0    hecho, también cuando ningún intento coincide
  2    no se puede leer el historial
  4    opción incorrecta
</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language code</source>
        <translation>--language necesita un código de idioma</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; known: %2</source>
        <translation>idioma desconocido &quot;%1&quot;; conocidos: %2</translation>
    </message>
    <message>
        <source>The language to speak: %1 (default: the system&apos;s).</source>
        <translation>El idioma a usar: %1 (predeterminado: el del sistema).</translation>
    </message>
    <message>
        <source>the language to speak: %1</source>
        <translation>el idioma a usar: %1</translation>
    </message>
    <message>
        <source>(default: the system&apos;s)</source>
        <translation>(predeterminado: el del sistema)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s (%1)</source>
        <extracomment>The entry that follows the desktop&apos;s language; %1 names the one it is now.</extracomment>
        <translation>El del &amp;sistema (%1)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation>No se pudo guardar la elección de idioma.</translation>
    </message>
    <message>
        <source>The new language is used from the next start of the program.</source>
        <translation>El nuevo idioma se usará a partir del próximo inicio del programa.</translation>
    </message>
</context>
<context>
    <name>LineView</name>
    <message>
        <source>Line view</source>
        <translation>Vista de línea</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N.º %1</translation>
    </message>
</context>
<context>
    <name>LockControls</name>
    <message>
        <source>Wrong supervisor password: the station stays locked.</source>
        <translation>Contraseña de supervisor incorrecta: la estación sigue bloqueada.</translation>
    </message>
    <message>
        <source>&amp;Lock for production</source>
        <translation>B&amp;loquear para producción</translation>
    </message>
    <message>
        <source>&amp;Unlock...</source>
        <translation>&amp;Desbloquear...</translation>
    </message>
    <message>
        <source>Supervisor &amp;password...</source>
        <translation>Contraseña de su&amp;pervisor...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Supervisor password:</source>
        <translation>Contraseña de supervisor:</translation>
    </message>
    <message>
        <source>The station is locked. Supervisor password:</source>
        <translation>La estación está bloqueada. Contraseña de supervisor:</translation>
    </message>
    <message>
        <source>Supervisor password</source>
        <translation>Contraseña de supervisor</translation>
    </message>
    <message>
        <source>New supervisor password:</source>
        <translation>Nueva contraseña de supervisor:</translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation>La misma contraseña otra vez:</translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed.</source>
        <translation>Las dos contraseñas no coinciden: no se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>Save Log &amp;As…</source>
        <translation>&amp;Guardar registro como…</translation>
    </message>
    <message>
        <source>Trusted &amp;Keys…</source>
        <translation>&amp;Claves de confianza…</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>De&amp;tener</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <extracomment>Tools menu toggle: start the upload again after each finished one.</extracomment>
        <translation>B&amp;ucle</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <extracomment>Tools menu toggle: send the records at a slower pace.</extracomment>
        <translation>&amp;Lento</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <extracomment>Tools menu toggle: write more detail to the log.</extracomment>
        <translation>&amp;Depurar</translation>
    </message>
    <message>
        <source>Forget</source>
        <extracomment>Tools menu item: drop the remembered address and port.</extracomment>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Ata&amp;jos de teclado</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ac&amp;erca de</translation>
    </message>
    <message>
        <source>Choose the firmware file (or drop a .hex file anywhere on the window)</source>
        <translation>Elegir el archivo de firmware (o soltar un archivo .hex en cualquier parte de la ventana)</translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation>Cargar e iniciar</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>In the address or port box: Load and Start; on the file label: choose the firmware file</source>
        <translation>En el campo de dirección o de puerto: Cargar e iniciar; en la etiqueta del archivo: elegir el archivo de firmware</translation>
    </message>
    <message>
        <source>Save the log to a text file</source>
        <translation>Guardar el registro en un archivo de texto</translation>
    </message>
    <message>
        <source>Stop the upload while it connects or sends</source>
        <translation>Detener la carga mientras conecta o envía</translation>
    </message>
    <message>
        <source>Copy the selected log line</source>
        <translation>Copiar la línea del registro seleccionada</translation>
    </message>
    <message>
        <source>Alt+F, X</source>
        <extracomment>The keys of File &gt; Exit: Alt with the File menu&apos;s underlined letter, then Exit&apos;s.</extracomment>
        <translation>Alt+A, S</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the log, the address, the port, Load and Start and the file label</source>
        <translation>Moverse entre el registro, la dirección, el puerto, Cargar e iniciar y la etiqueta del archivo</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Press Load and Start, or choose the firmware file on the file label</source>
        <translation>Pulsar Cargar e iniciar, o elegir el archivo de firmware en la etiqueta del archivo</translation>
    </message>
</context>
<context>
    <name>OperatorDesk</name>
    <message>
        <source>No unit can take the serial %1 now: select one that is not running.</source>
        <translation>Ninguna unidad puede tomar el número de serie %1 ahora: seleccione una que no esté en marcha.</translation>
    </message>
    <message>
        <source>New &amp;shift...</source>
        <translation>Nuevo &amp;turno...</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>Nuevo turno</translation>
    </message>
</context>
<context>
    <name>OperatorQuestions</name>
    <message>
        <source>Stop the upload now?

The unit stays in programming mode until it gets a whole firmware file or is restarted.</source>
        <translation>¿Detener la carga ahora?

La unidad permanece en modo de programación hasta que recibe un archivo de firmware completo o se reinicia.</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>Guardar registro como</translation>
    </message>
    <message>
        <source>Log files</source>
        <translation>Archivos de registro</translation>
    </message>
    <message>
        <source>Stop the upload</source>
        <translation>Detener la carga</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>OperatorSeat</name>
    <message>
        <source>Operator: %1</source>
        <translation>Operario: %1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operario</translation>
    </message>
    <message>
        <source>Who runs the station?</source>
        <translation>¿Quién maneja la estación?</translation>
    </message>
    <message>
        <source>Ask for the operator at s&amp;tart</source>
        <translation>Preguntar por el &amp;operario al iniciar</translation>
    </message>
</context>
<context>
    <name>OutcomeAnnouncer</name>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>How the last upload ended: Finished or Failed</source>
        <translation>Cómo terminó la última carga: Completada o Fallida</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A desktop notification&apos;s summary: the program&apos;s title, then how the upload ended.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The firmware was installed.</source>
        <translation>Se instaló el firmware.</translation>
    </message>
    <message>
        <source>The upload failed; the log says why.</source>
        <translation>La carga falló; el registro indica por qué.</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>How the last upload ended, in the status bar: the operator stopped it.</extracomment>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>Fallida</translation>
    </message>
</context>
<context>
    <name>ProductionLock</name>
    <message>
        <source>The station is locked: unlock it first.</source>
        <translation>La estación está bloqueada: desbloquéela primero.</translation>
    </message>
    <message numerus="yes">
        <source>The password needs at least %n characters.</source>
        <translation>
            <numerusform>La contraseña necesita al menos %n carácter.</numerusform>
            <numerusform>La contraseña necesita al menos %n caracteres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password could not be hashed (out of memory).</source>
        <translation>No se pudo calcular el hash de la contraseña (sin memoria).</translation>
    </message>
    <message>
        <source>Set a supervisor password first (File &gt; Supervisor password...): without one nobody could unlock the station.</source>
        <translation>Establezca primero una contraseña de supervisor (Archivo &gt; Contraseña de supervisor...): sin ella nadie podría desbloquear la estación.</translation>
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
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 - %2 left</source>
        <extracomment>The progress bar&apos;s text: the share sent, then the time left.</extracomment>
        <translation>%1 - quedan %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1/%2 records  %3%  %4  %5 left</source>
        <extracomment>The progress line on a terminal: records sent of all, percent, rate, time left.</extracomment>
        <translation>%1/%2 registros  %3%  %4  quedan %5</translation>
    </message>
</context>
<context>
    <name>ReportSaver</name>
    <message>
        <source>The report folder %1 is not a folder.</source>
        <translation>La carpeta de informes %1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The report folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta de informes %1.</translation>
    </message>
    <message>
        <source>Reports cannot be saved in %1: %2</source>
        <translation>No se pueden guardar informes en %1: %2</translation>
    </message>
    <message>
        <source>no report folder is set (--report-dir or File &gt; Report folder), so no report is saved.</source>
        <translation>no hay ninguna carpeta de informes (--report-dir o Archivo &gt; Carpeta de informes), así que no se guarda ningún informe.</translation>
    </message>
    <message>
        <source>Report saved as %1.csv and .json</source>
        <translation>Informe guardado como %1.csv y .json</translation>
    </message>
    <message>
        <source>Save report (CSV and JSON)</source>
        <translation>Guardar informe (CSV y JSON)</translation>
    </message>
    <message>
        <source>Report (*.csv)</source>
        <translation>Informe (*.csv)</translation>
    </message>
    <message>
        <source>Folder for reports saved at the end of each run (cancel: none)</source>
        <translation>Carpeta para los informes guardados al final de cada ejecución (cancelar: ninguna)</translation>
    </message>
    <message>
        <source>Reports are saved only when asked.</source>
        <translation>Los informes se guardan solo cuando se pide.</translation>
    </message>
    <message>
        <source>Reports are saved in %1 after each run.</source>
        <translation>Los informes se guardan en %1 tras cada ejecución.</translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Flash &amp;all</source>
        <translation>&amp;Grabar todas</translation>
    </message>
    <message>
        <source>Flash &amp;selected</source>
        <translation>Grabar &amp;selección</translation>
    </message>
    <message>
        <source>&amp;Re-run failed</source>
        <translation>&amp;Repetir fallidas</translation>
    </message>
    <message>
        <source>Sto&amp;p selected</source>
        <translation>&amp;Detener selección</translation>
    </message>
    <message>
        <source>S&amp;top all</source>
        <translation>Detener &amp;todas</translation>
    </message>
    <message>
        <source>all</source>
        <extracomment>Units at once: no limit.</extracomment>
        <translation>todas</translation>
    </message>
    <message>
        <source>How many units are flashed at the same time</source>
        <translation>Cuántas unidades se graban a la vez</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after the number.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>An upload ends when the unit is silent this long during the transfer</source>
        <translation>Una carga termina cuando la unidad calla este tiempo durante la transferencia</translation>
    </message>
    <message>
        <source>Further tries of a connection that never came about</source>
        <translation>Nuevos intentos de una conexión que no llegó a establecerse</translation>
    </message>
    <message>
        <source>Response time-&amp;out:</source>
        <translation>Tiempo de es&amp;pera:</translation>
    </message>
    <message>
        <source>Retr&amp;ies:</source>
        <translation>Re&amp;intentos:</translation>
    </message>
    <message>
        <source>U&amp;nits at once:</source>
        <translation>&amp;Unidades a la vez:</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the report folder %1.</source>
        <translation>No se puede crear la carpeta de informes %1.</translation>
    </message>
    <message>
        <source>Cannot save a report in %1: every name is taken.</source>
        <translation>No se puede guardar un informe en %1: todos los nombres están ocupados.</translation>
    </message>
</context>
<context>
    <name>ScanField</name>
    <message>
        <source>scan a unit&apos;s label</source>
        <translation>escanee la etiqueta de una unidad</translation>
    </message>
    <message>
        <source>S&amp;erial:</source>
        <translation>&amp;N.º de serie:</translation>
    </message>
</context>
<context>
    <name>SerialCheck</name>
    <message>
        <source>%1 already finished on %2 at %3 (%4): rescan the label, or confirm at Flash that this unit is flashed again.</source>
        <translation>%1 ya se completó el %2 en %3 (%4): vuelva a escanear la etiqueta, o confirme al grabar que esta unidad se vuelve a grabar.</translation>
    </message>
    <message>
        <source>Serials already flashed</source>
        <translation>Números de serie ya grabados</translation>
    </message>
    <message>
        <source>

Flash these units all the same?</source>
        <translation>

¿Grabar estas unidades de todos modos?</translation>
    </message>
</context>
<context>
    <name>SerialControls</name>
    <message>
        <source>Serial &amp;numbers...</source>
        <translation>&amp;Números de serie...</translation>
    </message>
</context>
<context>
    <name>SerialDialog</name>
    <message>
        <source>Serial numbers</source>
        <translation>Números de serie</translation>
    </message>
    <message>
        <source>&amp;Write a number of its own into each unit&apos;s image</source>
        <translation>&amp;Escribir un número propio en la imagen de cada unidad</translation>
    </message>
    <message>
        <source>e.g. 0x7FF0:4</source>
        <translation>p. ej. 0x7FF0:4</translation>
    </message>
    <message>
        <source>Number, little-endian</source>
        <translation>Número, little-endian</translation>
    </message>
    <message>
        <source>Number, big-endian</source>
        <translation>Número, big-endian</translation>
    </message>
    <message>
        <source>Decimal digits (ASCII)</source>
        <translation>Dígitos decimales (ASCII)</translation>
    </message>
    <message>
        <source>Hex digits (ASCII)</source>
        <translation>Dígitos hexadecimales (ASCII)</translation>
    </message>
    <message>
        <source>Bytes as given (e.g. a MAC address)</source>
        <translation>Bytes tal cual (p. ej. una dirección MAC)</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>List file</source>
        <translation>Archivo de lista</translation>
    </message>
    <message>
        <source>Intel HEX list file</source>
        <translation>Archivo de lista Intel HEX</translation>
    </message>
    <message>
        <source>The scanned label</source>
        <translation>La etiqueta escaneada</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>el título</translation>
    </message>
    <message>
        <source>&amp;Address:length:</source>
        <translation>&amp;Dirección:longitud:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Origen:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Reserva:</translation>
    </message>
    <message>
        <source>first[:last], e.g. 1000:1999</source>
        <translation>primero[:último], p. ej. 1000:1999</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>Serial number list</source>
        <translation>Lista de números de serie</translation>
    </message>
</context>
<context>
    <name>SerialSettings</name>
    <message>
        <source>Say where the number goes: an address and a length, e.g. 0x7FF0:4.</source>
        <translation>Indique dónde va el número: una dirección y una longitud, p. ej. 0x7FF0:4.</translation>
    </message>
    <message>
        <source>Address and length: %1</source>
        <translation>Dirección y longitud: %1</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Formato: %1</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Origen: %1</translation>
    </message>
    <message>
        <source>Say where the numbers come from: a counter, a list file or an Intel HEX list file.</source>
        <translation>Indique de dónde salen los números: un contador, un archivo de lista o un archivo de lista Intel HEX.</translation>
    </message>
    <message>
        <source>The list of numbers cannot be read: %1</source>
        <translation>No se puede leer la lista de números: %1</translation>
    </message>
    <message>
        <source>%1 has no scanned serial to write.</source>
        <translation>%1 no tiene ningún número de serie escaneado que escribir.</translation>
    </message>
    <message>
        <source>Serial numbers: off</source>
        <translation>Números de serie: desactivados</translation>
    </message>
    <message>
        <source>the scanned label</source>
        <translation>la etiqueta escaneada</translation>
    </message>
    <message>
        <source>Serial numbers: %1 at %2 (%3)</source>
        <translation>Números de serie: %1 en %2 (%3)</translation>
    </message>
    <message>
        <source>the list&apos;s</source>
        <translation>la de la lista</translation>
    </message>
</context>
<context>
    <name>ShiftCounts</name>
    <message>
        <source>Pass %1  Fail %2  Total %3  Yield %4 %</source>
        <translation>Aptas %1  No aptas %2  Total %3  Rendimiento %4 %</translation>
    </message>
</context>
<context>
    <name>ShiftWatch</name>
    <message>
        <source>Shift: %1</source>
        <translation>Turno: %1</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>Nuevo turno</translation>
    </message>
    <message>
        <source>Start a new shift? Pass, Fail, Total and Yield start again from zero.

Now: %1</source>
        <translation>¿Empezar un turno nuevo? Aptas, No aptas, Total y Rendimiento vuelven a cero.

Ahora: %1</translation>
    </message>
</context>
<context>
    <name>SignatureStatus</name>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>No firmado por una clave de confianza: %1</translation>
    </message>
    <message>
        <source>Signature: not valid: %1</source>
        <translation>Firma: no válida: %1</translation>
    </message>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>Firma: clave %1, comentario de confianza: %2</translation>
    </message>
</context>
<context>
    <name>SimulatorHelp</name>
    <message>
        <source>A simulated control unit: a TCP server on a loopback address that takes display texts, a programming request and Intel HEX record lines, and answers each packet as the unit does, or with the faults asked for.

Packets are counted per connection from 0: the programming request is packet 0, the first record line 1, and so on; display-text packets are not answered and not counted. Bytes that frame no packet are answered once per run with NakChecksum and dropped up to the next &apos;:&apos;, FE or F0.

Faults (--fault KIND[:ARG]@N[#C], N a packet or &quot;eof&quot; for the record of type 01, C a connection number from 1, default every connection):
  </source>
        <translation>Una unidad de control simulada: un servidor TCP en una dirección de loopback que recibe textos de pantalla, una petición de programación y líneas de registros Intel HEX, y responde a cada paquete como lo hace la unidad, o con los fallos pedidos.

Los paquetes se cuentan por conexión desde 0: la petición de programación es el paquete 0, la primera línea de registro el 1, y así sucesivamente; los paquetes de texto de pantalla no se responden ni se cuentan. Los bytes que no forman ningún paquete se responden una vez por ejecución con NakChecksum y se descartan hasta el siguiente &apos;:&apos;, FE o F0.

Fallos (--fault KIND[:ARG]@N[#C], N un paquete o &quot;eof&quot; para el registro de tipo 01, C un número de conexión desde 1, predeterminado todas las conexiones):
  </translation>
    </message>
    <message>
        <source>
Server faults (--fault KIND, no packet):
  never-accept        connects stay pending (the accept queue is full)
  no-server           nothing listens: connects are refused; prints &quot;no server at 127.0.0.1:PORT&quot;

A demo firmware file to send it: %1</source>
        <translation>
Fallos del servidor (--fault KIND, sin paquete):
  never-accept        las conexiones quedan pendientes (la cola de aceptación está llena)
  no-server           nadie escucha: las conexiones se rechazan; muestra &quot;no server at 127.0.0.1:PORT&quot;

Firmware de ejemplo para enviarle: %1</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>TCP port; 0 picks a free one. Printed at start as &quot;listening on 127.0.0.1:PORT&quot;.</source>
        <translation>Puerto TCP; 0 elige uno libre. Se muestra al inicio como &quot;listening on 127.0.0.1:PORT&quot;.</translation>
    </message>
    <message>
        <source>Loopback address to listen on.</source>
        <translation>Dirección de loopback en la que escuchar.</translation>
    </message>
    <message>
        <source>The product the unit is: %1.</source>
        <translation>El producto que es la unidad: %1.</translation>
    </message>
    <message>
        <source>Milliseconds before each answer.</source>
        <translation>Milisegundos antes de cada respuesta.</translation>
    </message>
    <message>
        <source>The 4 bytes after each response code, as 8 hex digits, or &quot;random&quot;.</source>
        <translation>Los 4 bytes tras cada código de respuesta, como 8 dígitos hex, o &quot;random&quot;.</translation>
    </message>
    <message>
        <source>Milliseconds between the writes of a split or repeated answer.</source>
        <translation>Milisegundos entre las escrituras de una respuesta dividida o repetida.</translation>
    </message>
    <message>
        <source>Inject a fault (repeatable, see above).</source>
        <translation>Inyectar un fallo (repetible, véase arriba).</translation>
    </message>
    <message>
        <source>Write every record received, one per line, to FILE after each connection.</source>
        <translation>Escribir cada registro recibido, uno por línea, en FILE tras cada conexión.</translation>
    </message>
    <message>
        <source>Stop after N connections (0 = never).</source>
        <translation>Detenerse tras N conexiones (0 = nunca).</translation>
    </message>
    <message>
        <source>Stop after T seconds (0 = never).</source>
        <translation>Detenerse tras T segundos (0 = nunca).</translation>
    </message>
    <message>
        <source>Print each packet and its verdict on stderr.</source>
        <translation>Mostrar cada paquete y su veredicto en stderr.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535</source>
        <translation>--port necesita un número de 0 a 65535</translation>
    </message>
    <message>
        <source>--address must be a loopback address, not &quot;%1&quot;</source>
        <translation>--address debe ser una dirección de loopback, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown profile &quot;%1&quot;; known: %2</source>
        <translation>perfil desconocido &quot;%1&quot;; conocidos: %2</translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds</source>
        <translation>--delay necesita un número de milisegundos</translation>
    </message>
    <message>
        <source>--fragment-gap needs a number of milliseconds</source>
        <translation>--fragment-gap necesita un número de milisegundos</translation>
    </message>
    <message>
        <source>--tail needs 8 hex digits or &quot;random&quot;</source>
        <translation>--tail necesita 8 dígitos hex o &quot;random&quot;</translation>
    </message>
    <message>
        <source>--connections needs a number</source>
        <translation>--connections necesita un número</translation>
    </message>
    <message>
        <source>--seconds needs a number</source>
        <translation>--seconds necesita un número</translation>
    </message>
    <message>
        <source>cannot listen on %1:%2: %3</source>
        <translation>no se puede escuchar en %1:%2: %3</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>StationEventLog</name>
    <message>
        <source>The station&apos;s event is not in the flash history: %1</source>
        <translation>El evento de la estación no está en el historial de grabación: %1</translation>
    </message>
</context>
<context>
    <name>StationHelp</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Version %1&lt;/p&gt;&lt;p&gt;Flashes one Intel HEX firmware file into many control units at once, one command-line uploader per unit.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Versión %1&lt;/p&gt;&lt;p&gt;Graba un archivo de firmware Intel HEX en muchas unidades de control a la vez, con un cargador de línea de comandos por unidad.&lt;/p&gt;&lt;p&gt;Compilado con Qt %2, ejecutándose en Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open a list of units</source>
        <translation>Abrir una lista de unidades</translation>
    </message>
    <message>
        <source>Save the list of units</source>
        <translation>Guardar la lista de unidades</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <extracomment>The accelerator of the &quot;Flash &amp;all&quot; button.</extracomment>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>Flash all</source>
        <translation>Grabar todas</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <extracomment>The accelerator of the &quot;Flash &amp;selected&quot; button.</extracomment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Flash the selected units</source>
        <translation>Grabar las unidades seleccionadas</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <extracomment>The accelerator of the &quot;&amp;Re-run failed&quot; button.</extracomment>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Re-run the failed units</source>
        <translation>Repetir las unidades fallidas</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <extracomment>The accelerator of the &quot;Sto&amp;p selected&quot; button.</extracomment>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>Stop the selected units (asks first)</source>
        <translation>Detener las unidades seleccionadas (pregunta antes)</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <extracomment>The accelerator of the &quot;S&amp;top all&quot; button.</extracomment>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Stop all (asks first)</source>
        <translation>Detener todas (pregunta antes)</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit the current cell</source>
        <translation>Editar la celda actual</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Intro, doble clic</translation>
    </message>
    <message>
        <source>Show the unit&apos;s log</source>
        <translation>Mostrar el registro de la unidad</translation>
    </message>
    <message>
        <source>Menu key, right click</source>
        <translation>Tecla de menú, clic derecho</translation>
    </message>
    <message>
        <source>Stop, show the log or re-run the selected units</source>
        <translation>Detener, mostrar el registro o repetir las unidades seleccionadas</translation>
    </message>
    <message>
        <source>Quit (asks first while units are flashed)</source>
        <translation>Salir (pregunta antes mientras se graban unidades)</translation>
    </message>
    <message>
        <source>About Firmware Uploader Station</source>
        <translation>Acerca de Firmware Uploader Station</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>%1 needs a whole number of milliseconds, at least 1.</source>
        <translation>%1 necesita un número entero de milisegundos, al menos 1.</translation>
    </message>
    <message>
        <source>%1 needs a whole number from 0 to 1000.</source>
        <translation>%1 necesita un número entero de 0 a 1000.</translation>
    </message>
    <message>
        <source>%1 needs a whole number, 0 for all units at once.</source>
        <translation>%1 necesita un número entero, 0 para todas las unidades a la vez.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An option, then what is wrong with its value.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <extracomment>Two option names.</extracomment>
        <translation>%1 necesita %2.</translation>
    </message>
    <message>
        <source>%1 needs %2 and %3.</source>
        <translation>%1 necesita %2 y %3.</translation>
    </message>
    <message>
        <source>open this list of units (CSV: name,address,port[,title])
instead of the last one</source>
        <translation>abrir esta lista de unidades
(CSV: name,address,port[,title]) en lugar de la última</translation>
    </message>
    <message>
        <source>choose this Intel HEX file</source>
        <translation>elegir este archivo Intel HEX</translation>
    </message>
    <message>
        <source>units flashed at the same time; 0 for all</source>
        <translation>unidades grabadas a la vez; 0 para todas</translation>
    </message>
    <message>
        <source>start flashing every unit at once (needs %1 and
%2); problems that stop the run go to standard
error and the program exits with status 2</source>
        <translation>empezar a grabar todas las unidades a la vez (necesita
%1 y %2); los problemas que detienen la
ejecución van a la salida de error estándar y el programa
termina con el estado 2</translation>
    </message>
    <message>
        <source>with %1: save the report and exit when the run
ends: 0 every unit finished, 1 any did not, 2 the run
could not start; no dialogs (runs without a display)</source>
        <translation>con %1: guardar el informe y salir cuando termine
la ejecución: 0 si todas las unidades se completaron, 1 si
alguna no, 2 si la ejecución no pudo empezar; sin diálogos
(funciona sin pantalla)</translation>
    </message>
    <message>
        <source>save each run&apos;s report in DIR (default: the report folder
of the settings, if any); one that cannot take it: exit 2
before any unit is flashed</source>
        <translation>guardar el informe de cada ejecución en DIR
(predeterminado: la carpeta de informes de los ajustes, si
la hay); si no lo admite: salida 2 antes de grabar ninguna
unidad</translation>
    </message>
    <message>
        <source>each uploader&apos;s response time-out (kept; at first
60000, as the uploader&apos;s)</source>
        <translation>tiempo de espera de respuesta de cada cargador (se
recuerda; al principio 60000, como el del cargador)</translation>
    </message>
    <message>
        <source>further connection tries per unit (kept; at first 0)</source>
        <translation>más intentos de conexión por unidad (se recuerda; al
principio 0)</translation>
    </message>
    <message>
        <source>use a dark colour scheme</source>
        <translation>usar un esquema de colores oscuro</translation>
    </message>
    <message>
        <source>who runs the station, in every uploader&apos;s history rows
(default: asked at start when File &gt; Ask for the operator
is on, else the login name)</source>
        <translation>quién maneja la estación, en las filas del historial de
cada cargador (predeterminado: se pregunta al inicio cuando
Archivo &gt; Preguntar por el operario está activado; si no,
el nombre de inicio de sesión)</translation>
    </message>
    <message>
        <source>start locked for production: changing the firmware, the
list, time-out, retries or report folder needs the
supervisor password (File &gt; Supervisor password...)</source>
        <translation>iniciar bloqueada para producción: cambiar el firmware, la
lista, el tiempo de espera, los reintentos o la carpeta de
informes requiere la contraseña de supervisor (Archivo &gt;
Contraseña de supervisor...)</translation>
    </message>
    <message>
        <source>flash only firmware whose signature (FILE.hex.minisig)
verifies with KEY: a .pub key file or the base64 key;
repeatable, any of the keys may have signed</source>
        <translation>grabar solo firmware cuya firma (FILE.hex.minisig) se
verifique con KEY: un archivo de clave .pub o la clave en
base64; repetible, cualquiera de las claves puede haber
firmado</translation>
    </message>
    <message>
        <source>the flash history every uploader writes its rows to
(sqlite:///path, postgresql://user@host/db or off; default:
FWU_HISTORY, else the uploaders&apos; default file); every user
can read an option: give a password in ~/.pgpass</source>
        <extracomment>Keep sqlite:///path, postgresql://user@host/db, off, FWU_HISTORY and ~/.pgpass as they are.</extracomment>
        <translation>el historial de grabación en el que cada cargador escribe
sus filas (sqlite:///path, postgresql://user@host/db u off;
predeterminado: FWU_HISTORY, si no, el archivo
predeterminado de los cargadores); cualquier usuario puede
leer una opción: ponga la contraseña en ~/.pgpass</translation>
    </message>
    <message>
        <source>write each unit&apos;s own number at this address of
the image, in LENGTH bytes (1 to 32); with any %1
option the numbers are on for this session, the options
not given as in File &gt; Serial numbers...</source>
        <translation>escribir el número propio de cada unidad en esta
dirección de la imagen, en LENGTH bytes (de 1 a 32); con
cualquier opción %1 los números se activan para
esta sesión, y las opciones no indicadas quedan como en
Archivo &gt; Números de serie...</translation>
    </message>
    <message>
        <source>le, be, ascii, hex or bytes (as the uploader&apos;s)</source>
        <extracomment>Keep the format words as they are.</extracomment>
        <translation>le, be, ascii, hex o bytes (como los del cargador)</translation>
    </message>
    <message>
        <source>counter:START[:END], list:FILE, hexlist:FILE, or label
(each unit&apos;s scanned serial is its number)</source>
        <extracomment>Keep counter:START[:END], list:FILE, hexlist:FILE and label as they are.</extracomment>
        <translation>counter:START[:END], list:FILE, hexlist:FILE o label
(el número de cada unidad es su serie escaneada)</translation>
    </message>
    <message>
        <source>the pool in the flash history the numbers come from
(default: the title)</source>
        <translation>la reserva del historial de grabación de la que salen los
números (predeterminada: el título)</translation>
    </message>
    <message>
        <source>answer the HTTP/JSON control interface of a line
system on 127.0.0.1 (or ADDRESS, an address of this PC)
and PORT (0: a free one); prints its URL and token file</source>
        <translation>atender la interfaz de control HTTP/JSON de un
sistema de línea en 127.0.0.1 (o ADDRESS, una dirección de
este equipo) y PORT (0: uno libre); muestra su URL y su
archivo de token</translation>
    </message>
    <message>
        <source>write the interface&apos;s token to FILE instead of
%1</source>
        <translation>escribir el token de la interfaz en FILE en lugar de
%1</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>the command-line uploader to run (default: the one beside
this program, else %1 on PATH)</source>
        <translation>el cargador de línea de comandos que se ejecuta
(predeterminado: el que está junto a este programa, si no,
%1 en PATH)</translation>
    </message>
    <message>
        <source>the flash history when %1 is not given</source>
        <translation>el historial de grabación cuando no se indica %1</translation>
    </message>
    <message>
        <source>how long a poll of the interface&apos;s events waits at most
(default 25000; for tests)</source>
        <translation>cuánto espera como máximo un sondeo de los eventos de la
interfaz (predeterminado 25000; para pruebas)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Flashes one firmware file into many units at once, one %2
process per unit, and reports each unit&apos;s outcome.
</source>
        <translation>Uso: %1 [opciones]
Graba un archivo de firmware en muchas unidades a la vez, con un proceso
%2 por unidad, e informa del resultado de cada unidad.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Bad options: exit status %1.</source>
        <translation>Opciones incorrectas: estado de salida %1.</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Entorno:</translation>
    </message>
</context>
<context>
    <name>StationServe</name>
    <message>
        <source>--serve needs [ADDRESS:]PORT, e.g. 8080 or 192.0.2.7:8080.</source>
        <translation>--serve necesita [ADDRESS:]PORT, p. ej. 8080 o 192.0.2.7:8080.</translation>
    </message>
    <message>
        <source>--serve: %1 is not an address of this PC.</source>
        <translation>--serve: %1 no es una dirección de este equipo.</translation>
    </message>
    <message>
        <source>The control interface answers on %1, which other computers may reach: anyone with the token can drive the station.</source>
        <translation>La interfaz de control responde en %1, a la que otros equipos pueden llegar: cualquiera con el token puede manejar la estación.</translation>
    </message>
</context>
<context>
    <name>StationSession</name>
    <message>
        <source>The remembered list of units in %1 cannot be read (%2). It is kept as it is until another list is opened or made.</source>
        <translation>La lista de unidades recordada en %1 no se puede leer (%2). Se conserva tal cual hasta que se abra o se cree otra lista.</translation>
    </message>
    <message>
        <source>The station&apos;s settings could not be saved in %1; the list of units and the choices made here are not remembered.</source>
        <translation>No se pudieron guardar los ajustes de la estación en %1; la lista de unidades y las elecciones hechas aquí no se recordarán.</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>The firmware chosen last time is gone: %1</source>
        <translation>El firmware elegido la última vez ya no está: %1</translation>
    </message>
    <message>
        <source>Firmware Uploader Station</source>
        <translation>Firmware Uploader Station</translation>
    </message>
    <message>
        <source>Run ended. %1</source>
        <translation>Ejecución terminada. %1</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Units are being flashed. Stop them all and quit?</source>
        <translation>Se están grabando unidades. ¿Detenerlas todas y salir?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open units list...</source>
        <translation>A&amp;brir lista de unidades...</translation>
    </message>
    <message>
        <source>Save units list &amp;as...</source>
        <translation>&amp;Guardar lista de unidades como...</translation>
    </message>
    <message>
        <source>Save &amp;report...</source>
        <translation>Guardar &amp;informe...</translation>
    </message>
    <message>
        <source>Report &amp;folder for automatic saving...</source>
        <translation>&amp;Carpeta de informes para guardado automático...</translation>
    </message>
    <message>
        <source>&amp;History of the selected units...</source>
        <translation>&amp;Historial de las unidades seleccionadas...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Ata&amp;jos de teclado</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ac&amp;erca de</translation>
    </message>
    <message>
        <source>%1

Units that are mid-transfer stay in programming mode until they are flashed again.</source>
        <translation>%1

Las unidades que están a mitad de transferencia permanecen en modo de programación hasta que se vuelvan a grabar.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop every unit now?</source>
        <translation>¿Detener todas las unidades ahora?</translation>
    </message>
    <message numerus="yes">
        <source>Stop the %n selected unit(s) now?</source>
        <translation>
            <numerusform>¿Detener ahora %n unidad seleccionada?</numerusform>
            <numerusform>¿Detener ahora las %n unidades seleccionadas?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo...</translation>
    </message>
    <message>
        <source>Stopping the selected units...</source>
        <translation>Deteniendo las unidades seleccionadas...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>&amp;Mostrar registro</translation>
    </message>
    <message>
        <source>&amp;Re-run</source>
        <translation>&amp;Repetir</translation>
    </message>
</context>
<context>
    <name>TrustedKeysDialog</name>
    <message>
        <source>Trusted Keys</source>
        <translation>Claves de confianza</translation>
    </message>
    <message>
        <source>Firmware signed with one of these keys is trusted:</source>
        <translation>Se confía en el firmware firmado con una de estas claves:</translation>
    </message>
    <message>
        <source>&amp;Add Key File…</source>
        <translation>&amp;Añadir archivo de clave…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Flash only signed firmware</source>
        <translation>Grabar solo firmware firmado</translation>
    </message>
    <message>
        <source>Add a trusted key first: with none, every file would be refused.</source>
        <translation>Añada primero una clave de confianza: sin ninguna, se rechazaría cualquier archivo.</translation>
    </message>
    <message>
        <source>The trusted keys could not be saved in &quot;%1&quot;.</source>
        <translation>No se pudieron guardar las claves de confianza en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The key %1 is trusted already.</source>
        <translation>La clave %1 ya es de confianza.</translation>
    </message>
    <message>
        <source>Add Trusted Key</source>
        <translation>Añadir clave de confianza</translation>
    </message>
    <message>
        <source>Key ID %1</source>
        <translation>ID de clave %1</translation>
    </message>
    <message>
        <source>Public keys</source>
        <translation>Claves públicas</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>UnitCellText</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>sin respuesta desde hace %1 s</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, quedan %1</translation>
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
        <translation>responder NakChecksum (01)</translation>
    </message>
    <message>
        <source>answer NakProductCode (02)</source>
        <translation>responder NakProductCode (02)</translation>
    </message>
    <message>
        <source>answer NakRecordType (03)</source>
        <translation>responder NakRecordType (03)</translation>
    </message>
    <message>
        <source>answer the code FF</source>
        <translation>responder con el código FF</translation>
    </message>
    <message>
        <source>answer a code outside the table (default 04)</source>
        <translation>responder con un código fuera de la tabla (por defecto 04)</translation>
    </message>
    <message>
        <source>N stray bytes before the answer (default 2)</source>
        <translation>N bytes sueltos antes de la respuesta (por defecto 2)</translation>
    </message>
    <message>
        <source>the answer in fragments of N bytes, separate writes (default 1)</source>
        <translation>la respuesta en fragmentos de N bytes, escritos por separado (por defecto 1)</translation>
    </message>
    <message>
        <source>the answer plus a response HH (default 00), or the two given responses, in one write</source>
        <translation>la respuesta más una respuesta HH (por defecto 00), o las dos respuestas indicadas, en una sola escritura</translation>
    </message>
    <message>
        <source>the answer written twice; with MS, the copy MS ms later, not holding back later answers</source>
        <translation>la respuesta escrita dos veces; con MS, la copia MS ms después, sin retener las respuestas posteriores</translation>
    </message>
    <message>
        <source>stop answering, keep the connection open</source>
        <translation>dejar de responder, mantener la conexión abierta</translation>
    </message>
    <message>
        <source>close the connection instead of answering</source>
        <translation>cerrar la conexión en lugar de responder</translation>
    </message>
    <message>
        <source>reset the connection (RST) instead of answering</source>
        <translation>restablecer la conexión (RST) en lugar de responder</translation>
    </message>
    <message>
        <source>stop answering, but send a stray byte (or a response HH) every 50 ms</source>
        <translation>dejar de responder, pero enviar un byte suelto (o una respuesta HH) cada 50 ms</translation>
    </message>
    <message>
        <source>the answer MS milliseconds late</source>
        <translation>la respuesta con MS milisegundos de retraso</translation>
    </message>
    <message>
        <source>a positive count is needed, not &quot;%1&quot;</source>
        <translation>se necesita un número positivo, no «%1»</translation>
    </message>
    <message>
        <source>too many codes in &quot;%1&quot;</source>
        <translation>demasiados códigos en «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a two-digit hex code</source>
        <translation>«%1» no es un código hexadecimal de dos dígitos</translation>
    </message>
    <message>
        <source>this fault takes no argument</source>
        <translation>este fallo no admite argumento</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is missing (KIND@N)</source>
        <translation>«%1»: falta el paquete (KIND@N)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: unknown fault &quot;%2&quot;</source>
        <translation>«%1»: fallo desconocido «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the connection number counts from 1</source>
        <translation>«%1»: el número de conexión empieza en 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is a number from 0 or &quot;eof&quot;</source>
        <translation>«%1»: el paquete es un número desde 0 o «eof»</translation>
    </message>
</context>
<context>
    <name>UnitListKeeper</name>
    <message>
        <source>Some rows cannot run: see the rows marked &quot;%1&quot;.</source>
        <translation>Algunas filas no pueden ejecutarse: vea las filas marcadas como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open units list</source>
        <translation>Abrir lista de unidades</translation>
    </message>
    <message>
        <source>Units list (*.csv)</source>
        <translation>Lista de unidades (*.csv)</translation>
    </message>
    <message>
        <source>Save units list</source>
        <translation>Guardar lista de unidades</translation>
    </message>
</context>
<context>
    <name>UnitListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Transcurrido</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Last flash</source>
        <translation>Última grabación</translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <translation>%1
Código de salida %2</translation>
    </message>
    <message>
        <source>cannot run</source>
        <translation>no ejecutable</translation>
    </message>
    <message>
        <source>address &quot;%1&quot; is not valid</source>
        <translation>la dirección &quot;%1&quot; no es válida</translation>
    </message>
    <message>
        <source>same address and port as row %1</source>
        <translation>misma dirección y puerto que la fila %1</translation>
    </message>
    <message>
        <source>same name as row %1</source>
        <translation>mismo nombre que la fila %1</translation>
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
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n unidad: %1 completadas, %2, %3 en curso, %4 en espera</numerusform>
            <numerusform>%n unidades: %1 completadas, %2, %3 en curso, %4 en espera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting (%5 cannot run: see the marked rows)</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n unidad: %1 completadas, %2, %3 en curso, %4 en espera (%5 no ejecutables: vea las filas marcadas)</numerusform>
            <numerusform>%n unidades: %1 completadas, %2, %3 en curso, %4 en espera (%5 no ejecutables: vea las filas marcadas)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnitLogDialog</name>
    <message>
        <source>Log of %1</source>
        <translation>Registro de %1</translation>
    </message>
    <message>
        <source>State: %1, exit code %2</source>
        <translation>Estado: %1, código de salida %2</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Standard error:</source>
        <translation>Salida de error estándar:</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Guardar registro</translation>
    </message>
    <message>
        <source>Log files (*.log *.txt)</source>
        <translation>Archivos de registro (*.log *.txt)</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>UnitSimulator</name>
    <message>
        <source>%1 is not a loopback address</source>
        <translation>%1 no es una dirección de bucle local</translation>
    </message>
    <message>
        <source>cannot hold port %1</source>
        <translation>no se puede reservar el puerto %1</translation>
    </message>
</context>
<context>
    <name>UnitStateText</name>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>conectando</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviando</translation>
    </message>
    <message>
        <source>writing/rebooting</source>
        <translation>escribiendo/reiniciando</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>APTA</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>NO APTA</translation>
    </message>
</context>
<context>
    <name>UnitTable</name>
    <message>
        <source>unit %1</source>
        <extracomment>The name a new row of the list starts with.</extracomment>
        <translation>unidad %1</translation>
    </message>
</context>
<context>
    <name>UnitViews</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Line view</source>
        <translation>Vista de lí&amp;nea</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Failed only</source>
        <translation>Solo &amp;fallidas</translation>
    </message>
    <message>
        <source>A&amp;dd unit</source>
        <translation>Añadir &amp;unidad</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Double-click a row for its log.</source>
        <translation>Doble clic en una fila para ver su registro.</translation>
    </message>
    <message>
        <source>List o&amp;rder</source>
        <translation>&amp;Orden de la lista</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>The flash history does not answer; the attempt is written when it does.</source>
        <translation>El historial de grabación no responde; el intento se escribirá cuando lo haga.</translation>
    </message>
    <message>
        <source>Flash history</source>
        <translation>Historial de grabación</translation>
    </message>
    <message>
        <source>Database (sqlite:///path/file.sqlite, postgresql://user@host/dbname or off;
empty for the default):</source>
        <translation>Base de datos (sqlite:///path/file.sqlite, postgresql://user@host/dbname u off;
vacío para la predeterminada):</translation>
    </message>
    <message>
        <source>A password is not kept in the window&apos;s settings. Leave it out of the URL and put it in ~/.pgpass (a line host:port:database:user:password, the file with mode 0600), where the database client finds it.</source>
        <translation>La contraseña no se guarda en los ajustes de la ventana. Déjela fuera de la URL y póngala en ~/.pgpass (una línea host:port:database:user:password, el archivo con modo 0600), donde la encuentra el cliente de la base de datos.</translation>
    </message>
    <message>
        <source>the setting could not be saved</source>
        <translation>no se pudo guardar el ajuste</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>&amp;Show…</source>
        <translation>&amp;Mostrar…</translation>
    </message>
    <message>
        <source>&amp;Database…</source>
        <translation>&amp;Base de datos…</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Writing firmware: do not remove power</source>
        <translation>Escribiendo firmware: no desconecte la alimentación</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <extracomment>The window&apos;s caption: the program&apos;s title and version.</extracomment>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Seleccionar archivo...</translation>
    </message>
    <message>
        <source>Could not save the log to &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el registro en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <translation>Bucles: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: no se puede escribir en la salida estándar: %2
</translation>
    </message>
    <message>
        <source>
A demo firmware file to try with: %1
</source>
        <translation>
Firmware de ejemplo para probar: %1
</translation>
    </message>
    <message>
        <source>
Usage: %1 [options] FILE.hex
Run &quot;%1 --help&quot; for the options and exit codes.</source>
        <translation>
Uso: %1 [opciones] FILE.hex
Ejecute &quot;%1 --help&quot; para ver las opciones y los códigos de salida.</translation>
    </message>
    <message>
        <source>no station events</source>
        <translation>no hay eventos de la estación</translation>
    </message>
    <message>
        <source>no serial numbers</source>
        <translation>no hay números de serie</translation>
    </message>
    <message>
        <source>no attempts match</source>
        <translation>ningún intento coincide</translation>
    </message>
    <message>
        <source>%1 of %2 attempts shown; --limit 0 shows all</source>
        <translation>se muestran %1 de %2 intentos; --limit 0 los muestra todos</translation>
    </message>
    <message>
        <source>
Run &quot;%1 --help&quot; for the options.</source>
        <translation>
Ejecute &quot;%1 --help&quot; para ver las opciones.</translation>
    </message>
    <message>
        <source>the history is off; give --history URL.</source>
        <translation>el historial está desactivado; indique --history URL.</translation>
    </message>
    <message>
        <source>no answer from the history at %1 within %2 s</source>
        <translation>el historial en %1 no respondió en %2 s</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.
A demo firmware file to try it with: %1</source>
        <translation>Instala firmware Intel HEX en una unidad de control a través de Ethernet.
Firmware de ejemplo para probarlo: %1</translation>
    </message>
    <message>
        <source>Firmware file to choose at start (.hex).</source>
        <translation>Archivo de firmware que se elige al inicio (.hex).</translation>
    </message>
    <message>
        <source>[FILE.hex]</source>
        <extracomment>The command line&apos;s usage line: an optional firmware file.</extracomment>
        <translation>[FILE.hex]</translation>
    </message>
    <message>
        <source>A demo firmware file to try with: %1</source>
        <translation>Firmware de ejemplo para probar: %1</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for the options.</source>
        <translation>Ejecute &quot;%1&quot; para ver las opciones.</translation>
    </message>
</context>
</TS>
