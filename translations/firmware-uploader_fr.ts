<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ActivityLogView</name>
    <message>
        <source>&amp;Copy line</source>
        <translation>&amp;Copier la ligne</translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation>Copier &amp;tout</translation>
    </message>
</context>
<context>
    <name>ApiServer</name>
    <message>
        <source>Cannot listen on %1 port %2.</source>
        <translation>Impossible d&apos;écouter sur %1 port %2.</translation>
    </message>
</context>
<context>
    <name>ApiToken</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 must be a folder of this user&apos;s that nobody else can enter.</source>
        <translation>%1 doit être un dossier de cet utilisateur où personne d&apos;autre ne peut entrer.</translation>
    </message>
    <message>
        <source>Cannot write the token file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier de jeton %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AttemptOutcome</name>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Refused by the unit</source>
        <translation>Refusé par l&apos;unité</translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation>Connexion impossible</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>Connexion perdue</translation>
    </message>
    <message>
        <source>Unusable input</source>
        <translation>Entrée inutilisable</translation>
    </message>
    <message>
        <source>Output not written</source>
        <translation>Sortie non écrite</translation>
    </message>
    <message>
        <source>Hung up</source>
        <translation>Raccroché</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Uploader crashed</source>
        <translation>Plantage du téléverseur</translation>
    </message>
</context>
<context>
    <name>AttemptRecorder</name>
    <message>
        <source>in progress</source>
        <extracomment>The saved log&apos;s outcome while the upload still runs.</extracomment>
        <translation>en cours</translation>
    </message>
    <message>
        <source>no upload</source>
        <extracomment>The saved log&apos;s outcome before any upload was started.</extracomment>
        <translation>aucun téléversement</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed: refused by the unit</source>
        <translation>Échec&#xa0;: refusé par l&apos;unité</translation>
    </message>
    <message>
        <source>Failed: could not connect</source>
        <translation>Échec&#xa0;: connexion impossible</translation>
    </message>
    <message>
        <source>Failed: connection lost</source>
        <translation>Échec&#xa0;: connexion perdue</translation>
    </message>
    <message>
        <source>Failed: the unit stopped answering</source>
        <translation>Échec&#xa0;: l&apos;unité ne répond plus</translation>
    </message>
    <message>
        <source>Failed: unusable address, port or firmware file</source>
        <translation>Échec&#xa0;: adresse, port ou fichier firmware inutilisable</translation>
    </message>
    <message>
        <source>Stopped by the operator</source>
        <translation>Arrêté par l&apos;opérateur</translation>
    </message>
    <message>
        <source>Failed: the program was closed</source>
        <translation>Échec&#xa0;: le programme a été fermé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Size: %1 bytes</source>
        <translation>Taille&#xa0;: %1 octets</translation>
    </message>
</context>
<context>
    <name>CliHistory</name>
    <message>
        <source>the program was stopped while it waited for the history</source>
        <translation>le programme a été arrêté pendant qu&apos;il attendait l&apos;historique</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>aucune réponse de %1 en %2 s</translation>
    </message>
    <message>
        <source>the attempt is not in the flash history (%1); the outcome stands.</source>
        <translation>la tentative n&apos;est pas dans l&apos;historique de flashage (%1)&#xa0;; le résultat reste valable.</translation>
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
        <translation>Utilisation&#xa0;: %1 [options] FILE.hex
              %1 --check [--json] [--expect-sha256 HEX]
                    [--public-key KEY] FILE.hex

Installe un firmware Intel HEX dans une unité de commande par TCP, avec le
même échange, le même journal et la même attente de redémarrage que la
fenêtre. Le journal va sur la sortie standard&#xa0;; sur un terminal, la sortie
d&apos;erreur affiche la progression. Pour plusieurs unités, lancer un processus
par unité.

Options&#xa0;:
  --title TEXT           titre de l&apos;application&#xa0;; choisit le profil produit
                         (par défaut &quot;%2&quot;)
  --address A            l&apos;adresse de l&apos;unité (par défaut&#xa0;: l&apos;adresse que la
                         fenêtre affiche pour le titre&#xa0;: celle enregistrée,
                         sinon celle du profil)
  --port P               le port TCP de l&apos;unité, de 1 à 65535 (par défaut&#xa0;:
                         comme pour --address)
  --debug                journaliser l&apos;échange en détail
  --slow                 faire une pause de 30 ms avant chaque enregistrement
  --loop N               téléverser N fois en mode boucle&#xa0;; 0 pour sans fin
  --save-settings        enregistrer l&apos;adresse et le port après un
                         téléversement terminé, comme la fenêtre (par défaut,
                         les valeurs enregistrées restent inchangées)
  --response-timeout MS  abandonner quand l&apos;unité n&apos;a pas répondu pendant MS
                         millisecondes au cours du transfert (par défaut %3)
  --json                 écrire du JSON Lines sur la sortie standard au lieu
                         du journal&#xa0;: start, log, phase, progress et un
                         result, toujours en dernier
  --check                vérifier le fichier et afficher son résumé
                         (enregistrements, octets de données, plages
                         d&apos;adresses, SHA-256, enregistrements ignorés) sans
                         se connecter
  --expect-sha256 HEX    refuser un fichier dont le SHA-256 n&apos;est pas HEX
  --retries N            tenter la connexion jusqu&apos;à N fois de plus quand
                         l&apos;unité est injoignable (par défaut 0)&#xa0;; jamais une
                         fois la demande de programmation envoyée
  --retry-delay SECONDS  pause avant chaque nouvel essai (par défaut 2)
  --public-key KEY       refuser le fichier si sa signature ne se vérifie pas
                         avec KEY&#xa0;: un fichier de clé .pub ou la clé base64
                         elle-même&#xa0;; répétable, n&apos;importe laquelle des clés
                         peut avoir signé (par défaut&#xa0;: les clés de
                         confiance du titre, quand &quot;Flasher uniquement du
                         firmware signé&quot; est activé dans la fenêtre)
  --signature FILE       la signature du fichier firmware (par défaut&#xa0;: le
                         nom du fichier firmware suivi de .minisig)
  --history URL          l&apos;historique de flashage qui reçoit une ligne par
                         tentative&#xa0;: sqlite:///path/file.sqlite,
                         postgresql://user@host:port/dbname ou off (par
                         défaut&#xa0;: FWU_HISTORY, sinon
                         ~/.local/share/FirmwareUploader/history.sqlite)&#xa0;;
                         une ligne qui ne peut pas être écrite ne change
                         aucun résultat
  --run-id ID            l&apos;exécution à laquelle appartiennent les lignes
                         (celle de la station)
  --unit-name NAME       le nom de l&apos;unité pour les lignes
  --unit-serial TEXT     le numéro de série de l&apos;étiquette de l&apos;unité, pour
                         les lignes et le champ unit_serial du JSON
  --operator NAME        qui l&apos;exécute, pour les lignes (par défaut&#xa0;: le nom
                         de connexion)
  --firmware-origin PATH le fichier d&apos;où FILE.hex a été copié, nommé dans
                         les lignes et le JSON à la place de FILE.hex (pour
                         les interfaces qui passent une copie privée)
  --serial-at ADDRESS:LENGTH
                         écrire la valeur propre à l&apos;unité (un numéro de
                         série, une adresse MAC) à cette adresse absolue de
                         l&apos;image, sur LENGTH octets (1 à 32&#xa0;; décimal ou
                         hexa 0x)
  --serial-format FORMAT le ou be (un nombre sur LENGTH octets), ascii
                         (chiffres décimaux), hex (chiffres hexa en
                         majuscules) ou bytes (les octets mêmes de la
                         valeur, p. ex. 00:1A:2B:3C:4D:5E)&#xa0;; par défaut le
  --serial-from SOURCE   prendre la valeur de chaque unité dans une réserve
                         de l&apos;historique de flashage, jamais deux fois la
                         même&#xa0;: counter:START[:END], list:FILE (une valeur
                         par ligne) ou hexlist:FILE (un enregistrement de
                         données Intel HEX par ligne, son adresse et ses
                         données)
  --serial VALUE         la valeur de l&apos;unité, p. ex. lue sur son étiquette&#xa0;;
                         refusée si elle a déjà abouti dans la réserve
  --serial-pool NAME     la réserve de valeurs (par défaut&#xa0;: le titre)
  --serial-stale-after SECONDS
                         une valeur prise depuis aussi longtemps et jamais
                         réglée par son téléverseur est brûlée (burnt), plus
                         jamais distribuée (par défaut 3600)
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
        <translation>  -h, --help             afficher ce texte
  -v, --version          afficher la version

Codes de sortie&#xa0;:
  %1    terminé&#xa0;: l&apos;unité a le firmware et a redémarré (--check&#xa0;: le
       fichier est correct)
  %2    refusé par l&apos;unité (ou elle a répondu plus souvent que le nombre
       d&apos;enregistrements envoyés)
  %3    connexion impossible
  %4    connexion perdue, ou l&apos;unité a cessé de répondre
  %5    arguments erronés, adresse ou port erroné, fichier firmware
       illisible, qui n&apos;est pas de l&apos;Intel HEX valide, qui n&apos;est pas
       l&apos;image attendue, ou sans signature vérifiée par une --public-key
       (ou par une clé de confiance, quand seul du firmware signé est
       flashé)
  5    terminé (--check&#xa0;: correct), mais la sortie standard n&apos;a pas pu
       être écrite
  129  raccroché (SIGHUP&#xa0;: le terminal a été fermé)
  %6  interrompu (SIGINT ou SIGTERM)
</translation>
    </message>
</context>
<context>
    <name>CliUploader</name>
    <message>
        <source>the address and port could not be saved in &quot;%1&quot;; the next run will not find them.</source>
        <translation>l&apos;adresse et le port n&apos;ont pas pu être enregistrés dans &quot;%1&quot;&#xa0;; la prochaine exécution ne les trouvera pas.</translation>
    </message>
    <message>
        <source>cannot write standard output: %1; the record of this run is incomplete.</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1&#xa0;; le compte rendu de cette exécution est incomplet.</translation>
    </message>
    <message>
        <source>Serial region: %1, format %2, pool &quot;%3&quot;</source>
        <translation>Zone du numéro de série&#xa0;: %1, format %2, réserve &quot;%3&quot;</translation>
    </message>
    <message>
        <source>each hexlist record&apos;s own</source>
        <translation>celle de chaque enregistrement hexlist</translation>
    </message>
    <message>
        <source>Next value: cannot be told: %1</source>
        <translation>Valeur suivante&#xa0;: inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next value: %1</source>
        <translation>Valeur suivante&#xa0;: %1</translation>
    </message>
    <message>
        <source>Patched record: %1</source>
        <translation>Enregistrement modifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: valid Intel HEX, %2 bytes</source>
        <translation>%1 : Intel HEX valide, %2 octets</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Signature : %1</translation>
    </message>
</context>
<context>
    <name>ClientArea</name>
    <message>
        <source>Firmware File</source>
        <translation>Fichier firmware</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation>Paramètres de connexion</translation>
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
        <translation>Charger et démarrer</translation>
    </message>
    <message>
        <source>Select Firmware File...</source>
        <translation>Choisir le fichier firmware...</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>Journal d&apos;activité</translation>
    </message>
    <message>
        <source>What the upload did, newest line last; green after a finished upload, red after a failure</source>
        <translation>Ce qu&apos;a fait le téléversement, la ligne la plus récente en dernier&#xa0;; vert après un téléversement terminé, rouge après un échec</translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation>Progression du téléversement</translation>
    </message>
    <message>
        <source>Share of the firmware file sent, and time left</source>
        <translation>Part du fichier firmware envoyée, et temps restant</translation>
    </message>
    <message>
        <source>Click to choose the firmware file</source>
        <translation>Cliquer pour choisir le fichier firmware</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>Fichier firmware</translation>
    </message>
    <message>
        <source>The chosen firmware file; click to choose another, or drop one on the window</source>
        <translation>Le fichier firmware choisi&#xa0;; cliquer pour en choisir un autre, ou en déposer un sur la fenêtre</translation>
    </message>
    <message>
        <source>Where the unit is on the network</source>
        <translation>Où se trouve l&apos;unité sur le réseau</translation>
    </message>
    <message>
        <source>Network address of the unit</source>
        <translation>Adresse réseau de l&apos;unité</translation>
    </message>
    <message>
        <source>TCP port of the unit</source>
        <translation>Port TCP de l&apos;unité</translation>
    </message>
    <message>
        <source>Label of the address box</source>
        <translation>Étiquette du champ d&apos;adresse</translation>
    </message>
    <message>
        <source>Label of the port box</source>
        <translation>Étiquette du champ de port</translation>
    </message>
    <message>
        <source>Send the chosen firmware file to the unit</source>
        <translation>Envoyer le fichier firmware choisi à l&apos;unité</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Only signed firmware is flashed here: %1</source>
        <translation>Seul du firmware signé est flashé ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history: %1</source>
        <translation>La tentative n&apos;est pas dans l&apos;historique de flashage&#xa0;: %1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history (%1).</source>
        <translation>La tentative n&apos;est pas dans l&apos;historique de flashage (%1).</translation>
    </message>
    <message>
        <source>Stopped before it started.</source>
        <translation>Arrêté avant d&apos;avoir commencé.</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>aucune réponse de %1 en %2 s</translation>
    </message>
    <message>
        <source>The uploader crashed (signal %1).</source>
        <translation>Le téléverseur a planté (signal %1).</translation>
    </message>
    <message>
        <source>The uploader ended with exit code %1 and no result.</source>
        <translation>Le téléverseur s&apos;est terminé avec le code de sortie %1 et sans résultat.</translation>
    </message>
    <message>
        <source>The uploader reported exit code %1 but ended with %2.</source>
        <translation>Le téléverseur a indiqué le code de sortie %1 mais s&apos;est terminé avec %2.</translation>
    </message>
    <message>
        <source>Cannot start the uploader %1: %2</source>
        <translation>Impossible de démarrer le téléverseur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est donné plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>No firmware file given.</source>
        <translation>Aucun fichier de firmware indiqué.</translation>
    </message>
    <message>
        <source>One firmware file at a time; run one process per unit. Unexpected: &quot;%1&quot;.</source>
        <translation>Un seul fichier de firmware à la fois ; lancez un processus par unité. Inattendu : « %1 ».</translation>
    </message>
    <message>
        <source>The firmware file name is empty.</source>
        <translation>Le nom du fichier de firmware est vide.</translation>
    </message>
    <message>
        <source>No product profile matches the title &quot;%1&quot;; a title begins with one of %2.</source>
        <translation>Aucun profil de produit ne correspond au titre « %1 » ; un titre commence par l&apos;un de %2.</translation>
    </message>
    <message>
        <source>--address needs the unit&apos;s address.</source>
        <translation>--address attend l&apos;adresse de l&apos;unité.</translation>
    </message>
    <message>
        <source>--port: %1.</source>
        <translation>--port : %1.</translation>
    </message>
    <message>
        <source>--loop needs a whole number of uploads (0 for no end), not &quot;%1&quot;.</source>
        <translation>--loop attend un nombre entier de téléversements (0 pour sans fin), et non « %1 ».</translation>
    </message>
    <message>
        <source>--response-timeout needs a whole number of milliseconds from 1 up, not &quot;%1&quot;.</source>
        <translation>--response-timeout attend un nombre entier de millisecondes à partir de 1, et non « %1 ».</translation>
    </message>
    <message>
        <source>--expect-sha256 needs the 64 hexadecimal digits of a SHA-256, not &quot;%1&quot;.</source>
        <translation>--expect-sha256 attend les 64 chiffres hexadécimaux d&apos;un SHA-256, et non « %1 ».</translation>
    </message>
    <message>
        <source>--retries needs a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--retries attend un nombre entier de 0 à %1, et non « %2 ».</translation>
    </message>
    <message>
        <source>--retry-delay needs a number of seconds from 0 to %1 (e.g. 2 or 0.5), not &quot;%2&quot;.</source>
        <translation>--retry-delay attend un nombre de secondes de 0 à %1 (par ex. 2 ou 0.5), et non « %2 ».</translation>
    </message>
    <message>
        <source>--public-key needs a key file or a base64 key.</source>
        <translation>--public-key attend un fichier de clé ou une clé en base64.</translation>
    </message>
    <message>
        <source>--signature needs the signature file&apos;s name.</source>
        <translation>--signature attend le nom du fichier de signature.</translation>
    </message>
    <message>
        <source>--signature is checked against --public-key; give the key that signed.</source>
        <translation>--signature est vérifiée avec --public-key ; indiquez la clé qui a signé.</translation>
    </message>
    <message>
        <source>--history: %1.</source>
        <translation>--history : %1.</translation>
    </message>
    <message>
        <source>--firmware-origin needs the path of the file the copy was made from.</source>
        <translation>--firmware-origin attend le chemin du fichier dont la copie a été faite.</translation>
    </message>
    <message>
        <source>--serial-stale-after needs a whole number of seconds from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--serial-stale-after attend un nombre entier de secondes de 1 à %1, et non « %2 ».</translation>
    </message>
    <message>
        <source>--serial and --serial-from both give the unit&apos;s value; give one.</source>
        <translation>--serial et --serial-from donnent tous deux la valeur de l&apos;unité ; n&apos;en donnez qu&apos;une.</translation>
    </message>
    <message>
        <source>Say where the unit&apos;s value comes from: --serial-from SOURCE or --serial VALUE.</source>
        <translation>Indiquez d&apos;où vient la valeur de l&apos;unité : --serial-from SOURCE ou --serial VALUE.</translation>
    </message>
    <message>
        <source>--serial needs the unit&apos;s value.</source>
        <translation>--serial attend la valeur de l&apos;unité.</translation>
    </message>
    <message>
        <source>--serial-at ADDRESS:LENGTH is needed: where the unit&apos;s value goes in the image.</source>
        <translation>--serial-at ADDRESS:LENGTH est nécessaire : l&apos;endroit de l&apos;image où va la valeur de l&apos;unité.</translation>
    </message>
    <message>
        <source>--serial-format: %1</source>
        <translation>--serial-format : %1</translation>
    </message>
    <message>
        <source>--serial-at: %1</source>
        <translation>--serial-at : %1</translation>
    </message>
    <message>
        <source>--serial: %1</source>
        <translation>--serial : %1</translation>
    </message>
    <message>
        <source>--serial-from: %1</source>
        <translation>--serial-from : %1</translation>
    </message>
    <message>
        <source>--serial-from takes its values from a pool in the flash history, and the history is off: give --history, or one value with --serial.</source>
        <translation>--serial-from prend ses valeurs dans une réserve de l&apos;historique de flashage, et l&apos;historique est désactivé&#xa0;: donner --history, ou une seule valeur avec --serial.</translation>
    </message>
    <message>
        <source>The image has a signature file that cannot be read (%1): where the signer allows per-unit data cannot be told.</source>
        <translation>L&apos;image a un fichier de signature illisible (%1)&#xa0;: impossible de savoir où le signataire autorise des données propres à chaque unité.</translation>
    </message>
    <message>
        <source>The signed image allows per-unit data only in %1; %2 is outside.</source>
        <translation>L&apos;image signée n&apos;autorise des données propres à chaque unité que dans %1&#xa0;; %2 est en dehors.</translation>
    </message>
    <message>
        <source>The pool of values cannot be reached: %1</source>
        <translation>La réserve de valeurs est inaccessible&#xa0;: %1</translation>
    </message>
    <message>
        <source>The pool &quot;%1&quot; handed out &quot;%2&quot;, which its source does not hold.</source>
        <translation>La réserve &quot;%1&quot; a fourni &quot;%2&quot;, que sa source ne contient pas.</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; does not fit %2.</source>
        <translation>La valeur &quot;%1&quot; ne tient pas dans %2.</translation>
    </message>
    <message>
        <source>The pool could not be told that %1 is %2: %3</source>
        <translation>Impossible d&apos;indiquer à la réserve que %1 est %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;), but no key is trusted there: add one, or give --public-key.</source>
        <translation>&quot;Flasher uniquement du firmware signé&quot; est activé pour &quot;%1&quot; (Fichier &gt; Clés de confiance de la fenêtre, conservées dans &quot;%2&quot;), mais aucune clé n&apos;y est de confiance&#xa0;: en ajouter une, ou donner --public-key.</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;): %3</source>
        <translation>&quot;Flasher uniquement du firmware signé&quot; est activé pour &quot;%1&quot; (Fichier &gt; Clés de confiance de la fenêtre, conservées dans &quot;%2&quot;)&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot create a scratch folder: %1</source>
        <translation>impossible de créer un dossier de travail : %1</translation>
    </message>
    <message>
        <source>no address is saved or known for &quot;%1&quot;: give --address.</source>
        <translation>aucune adresse n&apos;est enregistrée ni connue pour « %1 » : indiquez --address.</translation>
    </message>
    <message>
        <source>no port is saved or known for &quot;%1&quot;: give --port.</source>
        <translation>aucun port n&apos;est enregistré ni connu pour « %1 » : indiquez --port.</translation>
    </message>
    <message>
        <source>could not connect to the unit at %1 port %2.</source>
        <translation>impossible de se connecter à l&apos;unité à %1 port %2.</translation>
    </message>
    <message>
        <source>the attempt failed; the log says why.</source>
        <translation>la tentative a échoué ; le journal en donne la raison.</translation>
    </message>
    <message>
        <source>hung up; the connection to the unit is closed.</source>
        <translation>raccroché ; la connexion à l&apos;unité est fermée.</translation>
    </message>
    <message>
        <source>interrupted; the connection to the unit is closed.</source>
        <translation>interrompu ; la connexion à l&apos;unité est fermée.</translation>
    </message>
    <message>
        <source>Could not connect; try %1 of %2 in %3 seconds.</source>
        <translation>Connexion impossible ; essai %1 sur %2 dans %3 secondes.</translation>
    </message>
    <message>
        <source>Serial value %1 from pool &quot;%2&quot;.</source>
        <translation>Valeur de série %1 de la réserve &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>cannot open the firmware file &quot;%1&quot;: %2</source>
        <translation>impossible d&apos;ouvrir le fichier de firmware « %1 » : %2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <translation>le fichier de firmware « %1 » n&apos;est pas un Intel HEX valide : %2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not the expected image: its SHA-256 is %2, expected %3.</source>
        <translation>le fichier de firmware « %1 » n&apos;est pas l&apos;image attendue : son SHA-256 est %2, attendu %3.</translation>
    </message>
    <message>
        <source>FWU_TIME_SCALE must be a number above 0 and at most 1, not &quot;%1&quot;.</source>
        <translation>FWU_TIME_SCALE doit être un nombre supérieur à 0 et au plus égal à 1, et non « %1 ».</translation>
    </message>
    <message>
        <source>the history &quot;%1&quot; cannot be used: %2</source>
        <translation>l&apos;historique « %1 » est inutilisable : %2</translation>
    </message>
    <message>
        <source>an SQLite history needs an absolute file name, as in sqlite:///path/history.sqlite</source>
        <translation>un historique SQLite a besoin d&apos;un nom de fichier absolu, comme dans sqlite:///path/history.sqlite</translation>
    </message>
    <message>
        <source>give sqlite:///path/file.sqlite, postgresql://user@host:port/dbname or off</source>
        <translation>indiquez sqlite:///path/file.sqlite, postgresql://user@host:port/dbname ou off</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key=value pair</source>
        <translation>« %1 » n&apos;est pas une paire key=value</translation>
    </message>
    <message>
        <source>one server only</source>
        <translation>un seul serveur</translation>
    </message>
    <message>
        <source>an IPv6 address without its closing bracket</source>
        <translation>une adresse IPv6 sans son crochet fermant</translation>
    </message>
    <message>
        <source>unexpected text after the IPv6 address</source>
        <translation>texte inattendu après l&apos;adresse IPv6</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>le port doit être un nombre de 1 à 65535, et non « %1 »</translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; cannot be passed on</source>
        <translation>le paramètre « %1 » ne peut pas être transmis</translation>
    </message>
    <message>
        <source>the history has schema version %1, newer than this program&apos;s %2; it is left as it is: use a newer release of the program</source>
        <translation>l&apos;historique a la version de schéma %1, plus récente que la version %2 de ce programme ; il reste tel quel : utilisez une version plus récente du programme</translation>
    </message>
    <message>
        <source>the history has attempts but no schema_version table</source>
        <translation>l&apos;historique contient des tentatives mais pas de table schema_version</translation>
    </message>
    <message>
        <source>the schema_version table holds no version</source>
        <translation>la table schema_version ne contient aucune version</translation>
    </message>
    <message>
        <source>the history at %1: %2</source>
        <translation>l&apos;historique à %1 : %2</translation>
    </message>
    <message>
        <source>there is no history file</source>
        <translation>il n&apos;y a pas de fichier d&apos;historique</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>impossible de créer le fichier : %1</translation>
    </message>
    <message>
        <source>the history file is a symbolic link; give the file itself</source>
        <translation>le fichier d&apos;historique est un lien symbolique&#xa0;; donner le fichier lui-même</translation>
    </message>
    <message>
        <source>the history is not a file</source>
        <translation>l&apos;historique n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the Qt SQL driver %1 is not installed</source>
        <translation>le pilote Qt SQL %1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the history is off</source>
        <translation>l&apos;historique est désactivé</translation>
    </message>
    <message>
        <source>serial pool %1 holds %2, not %3</source>
        <translation>la réserve de numéros %1 contient %2, pas %3</translation>
    </message>
    <message>
        <source>serial pool %1 is used up: last number %2</source>
        <translation>la réserve de numéros %1 est épuisée&#xa0;: dernier numéro %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 was taken meanwhile; try again</source>
        <translation>le numéro %1 de la réserve %2 a été pris entre-temps&#xa0;; réessayer</translation>
    </message>
    <message>
        <source>serial %1 already finished in pool %2</source>
        <translation>le numéro %1 est déjà terminé dans la réserve %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is being written to %3 from %4</source>
        <translation>le numéro %1 de la réserve %2 est en cours d&apos;écriture dans %3 depuis %4</translation>
    </message>
    <message>
        <source>a number ends used, burnt or returned</source>
        <translation>un numéro finit used, burnt ou returned</translation>
    </message>
    <message>
        <source>serial %1 is not in pool %2</source>
        <translation>le numéro %1 n&apos;est pas dans la réserve %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is %3 for attempt %4, not held by attempt %5; it is left as it is</source>
        <translation>le numéro %1 de la réserve %2 est %3 pour la tentative %4, non détenu par la tentative %5&#xa0;; il reste tel quel</translation>
    </message>
    <message>
        <source>Address and port not saved: cannot write %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Adresse et port non enregistrés&#xa0;: impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Listening</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>En écoute</translation>
    </message>
    <message>
        <source>Connection pending</source>
        <translation>Connexion en attente</translation>
    </message>
    <message>
        <source>Resolving %1</source>
        <extracomment>%1 is the unit&apos;s host name, being looked up</extracomment>
        <translation>Résolution de %1</translation>
    </message>
    <message>
        <source>Resolved %1</source>
        <extracomment>%1 is the unit&apos;s host name, looked up</extracomment>
        <translation>%1 résolu</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>%1 is closing the connection</source>
        <translation>%1 ferme la connexion</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Unknown state</source>
        <translation>État inconnu</translation>
    </message>
    <message>
        <source>port &quot;%1&quot; is not a whole number from %2 to %3</source>
        <extracomment>Part of a sentence that says what is wrong; %1 is the text given as the port</extracomment>
        <translation>le port &quot;%1&quot; n&apos;est pas un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <extracomment>%1 is the text given as the port</extracomment>
        <translation>Le port &quot;%1&quot; n&apos;est pas un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>Ethernet Error%1</source>
        <extracomment>%1 is the error number with a space or a minus sign in front of it (&quot; 10061&quot;, &quot;-5&quot;)</extracomment>
        <translation>Erreur Ethernet%1</translation>
    </message>
    <message>
        <source>Hint: Found device but port was not availaible. Verify port number.</source>
        <translation>Conseil&#xa0;: unité trouvée, mais le port n&apos;était pas disponible. Vérifiez le numéro de port.</translation>
    </message>
    <message>
        <source>Hint: Verify Ethernet Interface is configured as &apos;TCP Server&apos;.</source>
        <translation>Conseil&#xa0;: vérifiez que l&apos;interface Ethernet est configurée en &apos;TCP Server&apos;.</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, so it cannot be opened by that name; rename the file</source>
        <translation>le nom du fichier n&apos;est pas de l&apos;UTF-8 valide, il ne peut donc pas être ouvert sous ce nom ; renommez le fichier</translation>
    </message>
    <message>
        <source>its symbolic links form a loop</source>
        <translation>ses liens symboliques forment une boucle</translation>
    </message>
    <message>
        <source>a folder on its path cannot be searched (permission denied)</source>
        <translation>un dossier de son chemin ne peut pas être parcouru (permission refusée)</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>c&apos;est un lien symbolique vers un fichier qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;ouvrir &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is %1 bytes, more than any firmware image (at most %2 bytes)</source>
        <translation>le fichier fait %1 octets, plus que toute image de firmware (au plus %2 octets)</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Ouvrir un fichier firmware</translation>
    </message>
    <message>
        <source>Firmware Files (*.hex)|*.hex</source>
        <extracomment>A file type and its pattern: keep &quot;(*.hex)|*.hex&quot; as it is.</extracomment>
        <translation>Fichiers firmware (*.hex)|*.hex</translation>
    </message>
    <message>
        <source>Loading firmware file, please wait...</source>
        <translation>Chargement du fichier firmware, veuillez patienter...</translation>
    </message>
    <message>
        <source>the file holds a public key, not a signature.</source>
        <translation>le fichier contient une clé publique, pas une signature.</translation>
    </message>
    <message>
        <source>a signature file has 4 lines, this one has %1.</source>
        <translation>un fichier de signature a 4 lignes, celui-ci en a %1.</translation>
    </message>
    <message>
        <source>the signature file does not begin with &quot;untrusted comment:&quot;.</source>
        <translation>le fichier de signature ne commence pas par &quot;untrusted comment:&quot;.</translation>
    </message>
    <message>
        <source>the third line of the signature file is not a &quot;trusted comment: &quot;.</source>
        <translation>la troisième ligne du fichier de signature n&apos;est pas un &quot;trusted comment: &quot;.</translation>
    </message>
    <message>
        <source>the signature</source>
        <translation>la signature</translation>
    </message>
    <message>
        <source>the global signature</source>
        <translation>la signature globale</translation>
    </message>
    <message>
        <source>the signature algorithm &quot;%1&quot; is unknown (hex %2).</source>
        <translation>l&apos;algorithme de signature &quot;%1&quot; est inconnu (hex %2).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Records to send: %1</source>
        <translation>Enregistrements à envoyer : %1</translation>
    </message>
    <message>
        <source>Data bytes: %1</source>
        <translation>Octets de données : %1</translation>
    </message>
    <message>
        <source>Address ranges: %1 and %2 more</source>
        <translation>Plages d&apos;adresses : %1 et %2 de plus</translation>
    </message>
    <message>
        <source>Address ranges: %1</source>
        <translation>Plages d&apos;adresses : %1</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256 : %1</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address range; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>Écrite deux fois avec des octets différents : %1 plage d&apos;adresses ; l&apos;unité reçoit les enregistrements dans l&apos;ordre du fichier et garde donc les octets de la ligne la plus tardive :</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address ranges; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>Écrites deux fois avec des octets différents : %1 plages d&apos;adresses ; l&apos;unité reçoit les enregistrements dans l&apos;ordre du fichier et garde donc les octets de la ligne la plus tardive :</translation>
    </message>
    <message>
        <source>  %1: line %2, then line %3</source>
        <translation>  %1 : ligne %2, puis ligne %3</translation>
    </message>
    <message>
        <source>  and %1 more</source>
        <translation>  et %1 de plus</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): none</source>
        <translation>Ignorés (adresse de chargement FC00 à FFFF) : aucun</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 record, line %2</source>
        <translation>Ignorés (adresse de chargement FC00 à FFFF) : %1 enregistrement, ligne %2</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2</source>
        <translation>Ignorés (adresse de chargement FC00 à FFFF) : %1 enregistrements, lignes %2</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2 and %3 more</source>
        <translation>Ignorés (adresse de chargement FC00 à FFFF) : %1 enregistrements, lignes %2 et %3 de plus</translation>
    </message>
    <message>
        <source>data</source>
        <extracomment>The kind of an Intel HEX record of type 00.</extracomment>
        <translation>données</translation>
    </message>
    <message>
        <source>end of file</source>
        <translation>fin de fichier</translation>
    </message>
    <message>
        <source>extended segment address</source>
        <translation>adresse de segment étendue</translation>
    </message>
    <message>
        <source>start segment address</source>
        <translation>adresse de segment de démarrage</translation>
    </message>
    <message>
        <source>extended linear address</source>
        <translation>adresse linéaire étendue</translation>
    </message>
    <message>
        <source>start linear address</source>
        <translation>adresse linéaire de démarrage</translation>
    </message>
    <message>
        <source>character &apos;%1&apos;</source>
        <translation>caractère &apos;%1&apos;</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>une espace</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>octet 0x%1</translation>
    </message>
    <message>
        <source>longer than any record can be (at most %1 characters)</source>
        <translation>plus longue que tout enregistrement possible (au plus %1 caractères)</translation>
    </message>
    <message>
        <source>does not start with &apos;:&apos; but with %1</source>
        <translation>ne commence pas par &apos;:&apos; mais par %1</translation>
    </message>
    <message>
        <source>%1 at column %2 is not a hexadecimal digit</source>
        <translation>%1 en colonne %2 n&apos;est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>too short for a record (%1 characters, at least 11 needed)</source>
        <translation>trop courte pour un enregistrement (%1 caractères, au moins 11 nécessaires)</translation>
    </message>
    <message>
        <source>has an odd number of hexadecimal digits (%1)</source>
        <translation>a un nombre impair de chiffres hexadécimaux (%1)</translation>
    </message>
    <message>
        <source>byte count says %1 data bytes, but the line holds %2</source>
        <translation>le nombre d&apos;octets indique %1 octets de données, mais la ligne en contient %2</translation>
    </message>
    <message>
        <source>checksum is %1, should be %2</source>
        <translation>la somme de contrôle est %1, elle devrait être %2</translation>
    </message>
    <message>
        <source>record type %1 is unknown (known types are 00 to 05)</source>
        <translation>le type d&apos;enregistrement %1 est inconnu (les types connus vont de 00 à 05)</translation>
    </message>
    <message>
        <source>type %1 (%2) must carry %3 data bytes, this one carries %4</source>
        <translation>le type %1 (%2) doit porter %3 octets de données, celui-ci en porte %4</translation>
    </message>
    <message>
        <source>starts with a UTF-8 byte-order mark (bytes EF BB BF); save the file without it</source>
        <translation>commence par une marque d&apos;ordre des octets UTF-8 (octets EF BB BF) ; enregistrez le fichier sans elle</translation>
    </message>
    <message>
        <source>holds a DOS end-of-file byte (Ctrl-Z, 1A) at column %1; remove it</source>
        <translation>contient un octet de fin de fichier DOS (Ctrl-Z, 1A) en colonne %1 ; supprimez-le</translation>
    </message>
    <message>
        <source>holds only blanks (spaces or tabs); remove them</source>
        <translation>ne contient que des blancs (espaces ou tabulations) ; supprimez-les</translation>
    </message>
    <message>
        <source>ends in blanks (spaces or tabs) from column %1; remove them</source>
        <translation>se termine par des blancs (espaces ou tabulations) à partir de la colonne %1 ; supprimez-les</translation>
    </message>
    <message>
        <source>line %1: a record follows the end-of-file record of line %2</source>
        <translation>ligne %1 : un enregistrement suit l&apos;enregistrement de fin de fichier de la ligne %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file holds no records, only empty lines</source>
        <translation>le fichier ne contient aucun enregistrement, seulement des lignes vides</translation>
    </message>
    <message>
        <source>the file does not end with an end-of-file record (type 01): its last record, on line %1, is type %2</source>
        <translation>le fichier ne se termine pas par un enregistrement de fin de fichier (type 01) : son dernier enregistrement, ligne %1, est de type %2</translation>
    </message>
    <message>
        <source>line %1: the end-of-file record loads at FC00 to FFFF, where records are never sent</source>
        <translation>ligne %1 : l&apos;enregistrement de fin de fichier se charge en FC00 à FFFF, où les enregistrements ne sont jamais envoyés</translation>
    </message>
    <message>
        <source>the file holds no data that would be sent (records at FC00 to FFFF are never sent): the unit would be left without firmware</source>
        <translation>le fichier ne contient aucune donnée qui serait envoyée (les enregistrements en FC00 à FFFF ne sont jamais envoyés) : l&apos;unité resterait sans firmware</translation>
    </message>
    <message>
        <source>%1 is not valid base64.</source>
        <translation>%1 n&apos;est pas du base64 valide.</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3.</source>
        <translation>%1 a %2 octets au lieu de %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is a folder.</source>
        <translation>%1 &quot;%2&quot; est un dossier.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a regular file.</source>
        <translation>%1 &quot;%2&quot; n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>cannot read %1 &quot;%2&quot;: %3</source>
        <translation>impossible de lire %1 &quot;%2&quot; : %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is larger than %3 bytes.</source>
        <translation>%1 &quot;%2&quot; dépasse %3 octets.</translation>
    </message>
    <message>
        <source>a public key is one base64 line, after an optional &quot;untrusted comment:&quot; line.</source>
        <translation>une clé publique est une ligne base64, après une ligne &quot;untrusted comment:&quot; facultative.</translation>
    </message>
    <message>
        <source>the public key</source>
        <translation>la clé publique</translation>
    </message>
    <message>
        <source>the public key is not an Ed25519 key (algorithm &quot;%1&quot;).</source>
        <translation>la clé publique n&apos;est pas une clé Ed25519 (algorithme &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>the public key file</source>
        <translation>le fichier de clé publique</translation>
    </message>
    <message>
        <source>no file by that name, and %1</source>
        <translation>aucun fichier de ce nom, et %1</translation>
    </message>
    <message>
        <source>the public key &quot;%1&quot; cannot be used: %2</source>
        <translation>la clé publique &quot;%1&quot; ne peut pas être utilisée : %2</translation>
    </message>
    <message>
        <source>the signature file</source>
        <translation>le fichier de signature</translation>
    </message>
    <message>
        <source>the firmware is not signed: %1</source>
        <translation>le firmware n&apos;est pas signé : %1</translation>
    </message>
    <message>
        <source>the signature &quot;%1&quot; is refused: %2</source>
        <translation>la signature &quot;%1&quot; est refusée : %2</translation>
    </message>
    <message>
        <source>the signature library could not start.</source>
        <translation>la bibliothèque de signature n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>it was made with key %1, which is not trusted here (trusted: %2).</source>
        <translation>elle a été faite avec la clé %1, qui n&apos;est pas de confiance ici (de confiance : %2).</translation>
    </message>
    <message>
        <source>it does not match the firmware: the image is not the one key %1 signed.</source>
        <translation>elle ne correspond pas au firmware : l&apos;image n&apos;est pas celle que la clé %1 a signée.</translation>
    </message>
    <message>
        <source>its trusted comment is not the one key %1 signed.</source>
        <translation>son commentaire de confiance n&apos;est pas celui que la clé %1 a signé.</translation>
    </message>
    <message>
        <source>Signed by key %1: %2</source>
        <translation>Signé par la clé %1 : %2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Aucune route vers l&apos;hôte</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Réseau inaccessible</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connexion réinitialisée par le correspondant</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Tube cassé (broken pipe)</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>Connexion interrompue par le logiciel</translation>
    </message>
    <message>
        <source>Cannot assign requested address</source>
        <translation>Impossible d&apos;attribuer l&apos;adresse demandée</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>Adresse déjà utilisée</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>L&apos;hôte est hors service</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>Le réseau est hors service</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>Le réseau a abandonné la connexion lors de la réinitialisation</translation>
    </message>
    <message>
        <source>Address family not supported by protocol</source>
        <translation>Famille d&apos;adresses non prise en charge par le protocole</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Trop de fichiers ouverts dans le système</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>Aucun espace tampon disponible</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Impossible d&apos;allouer de la mémoire</translation>
    </message>
    <message>
        <source>System error %1</source>
        <extracomment>The words for a system error number when the system&apos;s own cannot be had</extracomment>
        <translation>Erreur système %1</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
    </message>
    <message>
        <source>an IPv4 address is four numbers from 0 to 255 separated by dots, such as 192.168.1.50</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>une adresse IPv4 se compose de quatre nombres de 0 à 255 séparés par des points, comme 192.168.1.50</translation>
    </message>
    <message>
        <source>write the numbers without leading zeros, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>écrivez les nombres sans zéros initiaux, soit %1</translation>
    </message>
    <message>
        <source>a host name is letters, digits and hyphens, in parts separated by dots</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>un nom d&apos;hôte se compose de lettres, de chiffres et de tirets, en parties séparées par des points</translation>
    </message>
    <message>
        <source>enter the unit&apos;s IPv4 address or host name</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>saisissez l&apos;adresse IPv4 ou le nom d&apos;hôte de l&apos;unité</translation>
    </message>
    <message>
        <source>write the address without the dot at its end, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>écrivez l&apos;adresse sans le point final, soit %1</translation>
    </message>
    <message>
        <source>the region %1: %2 not in the image&apos;s data</source>
        <translation>la zone %1&#xa0;: %2 absent des données de l&apos;image</translation>
    </message>
    <message>
        <source>the region %1: line %2 writes to it but loads at FC00-FFFF, where records are never sent</source>
        <translation>la zone %1&#xa0;: la ligne %2 y écrit mais se charge en FC00-FFFF, où les enregistrements ne sont jamais envoyés</translation>
    </message>
    <message>
        <source>the region %1 is not 1 to %2 bytes long</source>
        <translation>la zone %1 ne fait pas de 1 à %2 octets</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no format; the formats are le, be, ascii, hex and bytes</source>
        <translation>&apos;%1&apos; n&apos;est pas un format&#xa0;; les formats sont le, be, ascii, hex et bytes</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bytes of format %3 (the largest is %4)</source>
        <translation>%1 ne tient pas dans %2 octets au format %3 (le plus grand est %4)</translation>
    </message>
    <message>
        <source>the length is %1 bytes; it must be 1 to %2</source>
        <translation>la longueur est de %1 octets&#xa0;; elle doit être de 1 à %2</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos;</source>
        <translation>la valeur &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; is not bytes written as 00:1A:2B or 001A2B</source>
        <translation>la valeur &apos;%1&apos; n&apos;est pas des octets écrits comme 00:1A:2B ou 001A2B</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; has %2 bytes, the region %3</source>
        <translation>la valeur &apos;%1&apos; a %2 octets, la zone %3</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 n&apos;a aucun chiffre</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a hexadecimal digit</source>
        <translation>%1 contient &apos;%2&apos;, qui n&apos;est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a decimal digit</source>
        <translation>%1 contient &apos;%2&apos;, qui n&apos;est pas un chiffre décimal</translation>
    </message>
    <message>
        <source>%1 is larger than %2, the largest number taken</source>
        <translation>%1 dépasse %2, le plus grand nombre accepté</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not ADDRESS:LENGTH (e.g. 0x7FF0:4)</source>
        <translation>&apos;%1&apos; n&apos;est pas ADDRESS:LENGTH (p. ex. 0x7FF0:4)</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>l&apos;adresse</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>la longueur</translation>
    </message>
    <message>
        <source>the region %1 reaches past 0xFFFFFFFF, the highest address</source>
        <translation>la zone %1 dépasse 0xFFFFFFFF, l&apos;adresse la plus haute</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no source; the sources are counter:START[:END], list:FILE and hexlist:FILE</source>
        <translation>&apos;%1&apos; n&apos;est pas une source&#xa0;; les sources sont counter:START[:END], list:FILE et hexlist:FILE</translation>
    </message>
    <message>
        <source>cannot read the %1 file &apos;%2&apos;: %3</source>
        <translation>impossible de lire le fichier %1 &apos;%2&apos;&#xa0;: %3</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos; is larger than %3 MiB</source>
        <translation>le fichier %1 &apos;%2&apos; dépasse %3 Mio</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos;: %3</source>
        <translation>le fichier %1 &apos;%2&apos;&#xa0;: %3</translation>
    </message>
    <message>
        <source>the counter&apos;s START</source>
        <translation>le START du compteur</translation>
    </message>
    <message>
        <source>the counter&apos;s END</source>
        <translation>le END du compteur</translation>
    </message>
    <message>
        <source>the counter&apos;s END %1 is below its START %2</source>
        <translation>le END %1 du compteur est inférieur à son START %2</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>dépasse %1 Mio</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>la ligne %1 dépasse %2 octets</translation>
    </message>
    <message>
        <source>holds no values</source>
        <translation>ne contient aucune valeur</translation>
    </message>
    <message>
        <source>line %1: a record of type %2, not a data record (00)</source>
        <translation>ligne %1&#xa0;: un enregistrement de type %2, pas un enregistrement de données (00)</translation>
    </message>
    <message>
        <source>line %1: the record carries %2 data bytes; it must carry 1 to %3</source>
        <translation>ligne %1&#xa0;: l&apos;enregistrement porte %2 octets de données&#xa0;; il doit en porter de 1 à %3</translation>
    </message>
    <message>
        <source>line %1 repeats the record of line %2</source>
        <translation>la ligne %1 répète l&apos;enregistrement de la ligne %2</translation>
    </message>
    <message>
        <source>the values need a region (ADDRESS:LENGTH) to go to</source>
        <translation>les valeurs ont besoin d&apos;une zone (ADDRESS:LENGTH) où aller</translation>
    </message>
    <message>
        <source>the counter&apos;s START: %1</source>
        <translation>le START du compteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>the counter&apos;s END: %1</source>
        <translation>le END du compteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>line %1 repeats the value %2 of line %3</source>
        <translation>la ligne %1 répète la valeur %2 de la ligne %3</translation>
    </message>
    <message>
        <source>the source holds %1 values, none numbered %2</source>
        <translation>la source contient %1 valeurs, aucune numérotée %2</translation>
    </message>
    <message>
        <source>line %1: the record writes %2 bytes at %3, which is not the region %4</source>
        <translation>ligne %1&#xa0;: l&apos;enregistrement écrit %2 octets à %3, ce qui n&apos;est pas la zone %4</translation>
    </message>
    <message>
        <source>the signature declares no region for per-unit data (serial-at=ADDRESS:LENGTH)</source>
        <translation>la signature ne déclare aucune zone pour les données propres à chaque unité (serial-at=ADDRESS:LENGTH)</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>It took %1 mS to connect.</source>
        <extracomment>%1 is a number of milliseconds (no digits when under one)</extracomment>
        <translation>La connexion a pris %1 mS.</translation>
    </message>
    <message>
        <source>After %1 mS, I gave up!</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>Abandon après %1 mS&#xa0;!</translation>
    </message>
    <message>
        <source>Could not establish connection to %1</source>
        <translation>Impossible d&apos;établir la connexion avec %1</translation>
    </message>
    <message>
        <source>Unit address %1, port %2.</source>
        <translation>Adresse de l&apos;unité %1, port %2.</translation>
    </message>
    <message>
        <source>Could not establish connection to %1, port %2.</source>
        <translation>Impossible d&apos;établir la connexion avec %1, port %2.</translation>
    </message>
    <message>
        <source>Address &quot;%1&quot; is not valid: %2.</source>
        <extracomment>%2 says what is wrong with the address and what to do</extracomment>
        <translation>L&apos;adresse &quot;%1&quot; n&apos;est pas valide&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Connected to %1 port %2.</source>
        <translation>Connecté à %1 port %2.</translation>
    </message>
    <message>
        <source>Unit not responding!</source>
        <translation>L&apos;unité ne répond pas&#xa0;!</translation>
    </message>
    <message>
        <source>Checking connection at %1 mS...</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>Vérification de la connexion à %1 mS...</translation>
    </message>
    <message>
        <source>No product profile matches the application title &quot;%1&quot;.</source>
        <translation>Aucun profil de produit ne correspond au titre d&apos;application &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Sending firmware...</source>
        <translation>Envoi du firmware...</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <extracomment>Stands for the firmware file&apos;s name when none has been chosen</extracomment>
        <translation>(aucun choisi)</translation>
    </message>
    <message>
        <source>no file chosen</source>
        <extracomment>Why the firmware file cannot be opened, when none has been chosen</extracomment>
        <translation>aucun fichier choisi</translation>
    </message>
    <message>
        <source>Cannot open the firmware file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be opened</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier firmware &quot;%1&quot;&#xa0;: %2</translation>
    </message>
    <message>
        <source>The firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <extracomment>%2 is what is wrong with the file</extracomment>
        <translation>Le fichier firmware &quot;%1&quot; n&apos;est pas un Intel HEX valide&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stopped by the operator.</source>
        <translation>Arrêté par l&apos;opérateur.</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <extracomment>%1 is the number of uploads finished in loop mode</extracomment>
        <translation>Boucles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Upload complete.</source>
        <translation>Téléversement terminé.</translation>
    </message>
    <message>
        <source>Upload complete, %1 seconds.</source>
        <translation>Téléversement terminé, %1 secondes.</translation>
    </message>
    <message>
        <source>Writing firmware, DO NOT REMOVE POWER!</source>
        <translation>Écriture du firmware, NE PAS COUPER L&apos;ALIMENTATION&#xa0;!</translation>
    </message>
    <message>
        <source>Waiting for unit to reboot....</source>
        <translation>Attente du redémarrage de l&apos;unité....</translation>
    </message>
    <message>
        <source>Done!  Unit is ready to use.</source>
        <translation>Terminé&#xa0;!  L&apos;unité est prête à l&apos;emploi.</translation>
    </message>
    <message>
        <source>Disconnecting from %1</source>
        <translation>Déconnexion de %1</translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;</extracomment>
        <translation>1 seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;; %1 is a whole number other than one</extracomment>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>The connection to the unit was lost.</source>
        <translation>La connexion avec l&apos;unité a été perdue.</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: %1.</source>
        <extracomment>%1 is the system&apos;s description of the error</extracomment>
        <translation>La connexion avec l&apos;unité a été perdue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The unit sent %1 bytes of answers that were never asked for; the upload was stopped.</source>
        <translation>L&apos;unité a envoyé %1 octets de réponses qui n&apos;avaient jamais été demandées&#xa0;; le téléversement a été arrêté.</translation>
    </message>
    <message>
        <source>Dropped %1 bytes of answers that were never asked for.</source>
        <translation>%1 octets de réponses jamais demandées ont été ignorés.</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: the unit closed it.</source>
        <translation>La connexion avec l&apos;unité a été perdue&#xa0;: l&apos;unité l&apos;a fermée.</translation>
    </message>
    <message>
        <source>The unit did not answer the last record within %1: it may not have the whole firmware.</source>
        <extracomment>%1 is a time such as &quot;5 seconds&quot;</extracomment>
        <translation>L&apos;unité n&apos;a pas répondu au dernier enregistrement en %1&#xa0;: elle n&apos;a peut-être pas tout le firmware.</translation>
    </message>
    <message>
        <source>The unit stopped answering: no response for %1.</source>
        <extracomment>%1 is a time such as &quot;60 seconds&quot;</extracomment>
        <translation>L&apos;unité ne répond plus&#xa0;: aucune réponse depuis %1.</translation>
    </message>
    <message>
        <source>NAK - Incorrect Checksum</source>
        <extracomment>The unit&apos;s refusal of a record whose checksum is wrong</extracomment>
        <translation>NAK - Somme de contrôle incorrecte</translation>
    </message>
    <message>
        <source>NAK - Incorrect Product Code</source>
        <extracomment>The unit&apos;s refusal of firmware made for another product</extracomment>
        <translation>NAK - Code produit incorrect</translation>
    </message>
    <message>
        <source>NAK - Incorrect Record Type</source>
        <extracomment>The unit&apos;s refusal of a record of a type it does not take</extracomment>
        <translation>NAK - Type d&apos;enregistrement incorrect</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The unit&apos;s answer that it did not understand what it was sent</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>From Unit %1</source>
        <extracomment>%1 is the bytes received, in hexadecimal, after a space</extracomment>
        <translation>De l&apos;unité %1</translation>
    </message>
    <message>
        <source>Incomplete response from device</source>
        <translation>Réponse incomplète de l&apos;unité</translation>
    </message>
    <message>
        <source>Spurrious byte</source>
        <extracomment>A byte from the unit that is not part of any answer</extracomment>
        <translation>Octet parasite</translation>
    </message>
    <message>
        <source>Unrecognised response from unit %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>Réponse non reconnue de l&apos;unité %1</translation>
    </message>
    <message>
        <source>Answer before the transfer began, discarded: %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>Réponse avant le début du transfert, ignorée&#xa0;: %1</translation>
    </message>
    <message>
        <source>ACK from unit</source>
        <translation>ACK de l&apos;unité</translation>
    </message>
    <message>
        <source>Surplus ACK dropped: it answers no record.</source>
        <translation>ACK excédentaire ignoré&#xa0;: il ne répond à aucun enregistrement.</translation>
    </message>
    <message>
        <source>%1 dropped: the attempt is already ending.</source>
        <extracomment>%1 is the unit&apos;s refusal, such as &quot;NAK - Incorrect Checksum&quot;</extracomment>
        <translation>%1 ignoré&#xa0;: la tentative se termine déjà.</translation>
    </message>
    <message>
        <source>Device responded with an error.  Please try again.</source>
        <translation>L&apos;unité a répondu par une erreur.  Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The unit refused %1.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;</extracomment>
        <translation>L&apos;unité a refusé %1.</translation>
    </message>
    <message>
        <source>The unit refused %1: %2.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;; %2 the refusal</extracomment>
        <translation>L&apos;unité a refusé %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the programming request</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;</extracomment>
        <translation>la demande de programmation</translation>
    </message>
    <message>
        <source>record %1, line %2 of the file</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;; %1 counts the records sent, %2 is the file&apos;s line</extracomment>
        <translation>l&apos;enregistrement %1, ligne %2 du fichier</translation>
    </message>
    <message>
        <source>Answer dropped: the upload has already failed.</source>
        <translation>Réponse ignorée&#xa0;: le téléversement a déjà échoué.</translation>
    </message>
    <message>
        <source>The unit answered more often than records were sent: its answers no longer match the records, so nothing confirms that it has the firmware.</source>
        <translation>L&apos;unité a répondu plus souvent que des enregistrements n&apos;ont été envoyés&#xa0;: ses réponses ne correspondent plus aux enregistrements, rien ne confirme donc qu&apos;elle a le firmware.</translation>
    </message>
    <message>
        <source>Cannot write the run&apos;s copy of the firmware: %1</source>
        <translation>Impossible d&apos;écrire la copie du firmware pour cette exécution&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is not valid Intel HEX: %2</source>
        <translation>%1 n&apos;est pas de l&apos;Intel HEX valide&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot make a private folder: %1</source>
        <translation>Impossible de créer un dossier privé&#xa0;: %1</translation>
    </message>
    <message>
        <source>A run is on.</source>
        <translation>Une exécution est en cours.</translation>
    </message>
    <message>
        <source>Nothing has run yet.</source>
        <translation>Rien n&apos;a encore été exécuté.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No units to flash.</source>
        <translation>Aucune unité à flasher.</translation>
    </message>
    <message>
        <source>same unit as row %1 (both reach %2 port %3)</source>
        <translation>même unité que la ligne %1 (les deux atteignent %2 port %3)</translation>
    </message>
    <message>
        <source>%1 is too large for a list of units.</source>
        <translation>%1 est trop volumineux pour une liste d&apos;unités.</translation>
    </message>
    <message>
        <source>A quoted field never ends.</source>
        <translation>Un champ entre guillemets ne se termine jamais.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>La première ligne doit être l&apos;en-tête %1.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>FirmwareChoice</name>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>not valid Intel HEX: %1</source>
        <translation>Intel HEX non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot use &quot;%1&quot; as the firmware file:</source>
        <translation>Impossible d&apos;utiliser &quot;%1&quot; comme fichier firmware&#xa0;:</translation>
    </message>
    <message>
        <source>Click to choose the firmware file, or drop one on the window</source>
        <translation>Cliquer pour choisir le fichier firmware, ou en déposer un sur la fenêtre</translation>
    </message>
</context>
<context>
    <name>FirmwarePanel</name>
    <message>
        <source>%1
The firmware chosen before stays: %2</source>
        <translation>%1
Le firmware choisi auparavant est conservé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>No file chosen: choose one or drop it here.</source>
        <translation>Aucun fichier choisi&#xa0;: en choisir un ou le déposer ici.</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>Cannot be flashed: %1</source>
        <translation>Impossible à flasher&#xa0;: %1</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>Choisir le firmware</translation>
    </message>
    <message>
        <source>Intel HEX files (*.hex);;All files (*)</source>
        <translation>Fichiers Intel HEX (*.hex);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>FirmwareSnapshot</name>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>Signature&#xa0;: clé %1, commentaire de confiance&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>Non signé par une clé de confiance&#xa0;: %1</translation>
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
        <translation>Installe un firmware Intel HEX dans une unité de commande par Ethernet.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Compilé avec Qt %1, exécuté sous Qt %2.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About; %1 is the program&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Flash History</source>
        <translation>Historique de flashage</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité&#xa0;:</translation>
    </message>
    <message>
        <source>address or address:port</source>
        <translation>adresse ou adresse:port</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The unit&apos;s name.</extracomment>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>SHA-256:</source>
        <translation>SHA-256&#xa0;:</translation>
    </message>
    <message>
        <source>8 hex digits or more</source>
        <translation>8 chiffres hexa ou plus</translation>
    </message>
    <message>
        <source>any</source>
        <translation>tous</translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation>Résultat&#xa0;:</translation>
    </message>
    <message>
        <source>Since:</source>
        <translation>Depuis&#xa0;:</translation>
    </message>
    <message>
        <source>2026-03-01 or 2026-03-01T14:30</source>
        <translation>2026-03-01 ou 2026-03-01T14:30</translation>
    </message>
    <message>
        <source>Until:</source>
        <translation>Jusqu&apos;au&#xa0;:</translation>
    </message>
    <message>
        <source>2026-03-31</source>
        <translation>2026-03-31</translation>
    </message>
    <message>
        <source>Run:</source>
        <extracomment>The station run an attempt belongs to.</extracomment>
        <translation>Exécution&#xa0;:</translation>
    </message>
    <message>
        <source>At most:</source>
        <translation>Au plus&#xa0;:</translation>
    </message>
    <message>
        <source>0 for all</source>
        <translation>0 pour tout</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>Flash History: %1</source>
        <translation>Historique de flashage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Jusqu&apos;au</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>Au plus</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation>Lecture de l&apos;historique…</translation>
    </message>
    <message>
        <source>No attempts match.</source>
        <translation>Aucune tentative ne correspond.</translation>
    </message>
    <message numerus="yes">
        <source>%n attempt(s), newest first.</source>
        <translation>
            <numerusform>%n tentative, la plus récente en premier.</numerusform>
            <numerusform>%n tentatives, les plus récentes en premier.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exporté vers %1.</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
</context>
<context>
    <name>HistoryFilter</name>
    <message>
        <source>needs ADDRESS or ADDRESS:PORT, not &quot;%1&quot;</source>
        <translation>attend ADDRESS ou ADDRESS:PORT, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>attend un port de 1 à 65535, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs 8 to 64 hexadecimal digits, not &quot;%1&quot;</source>
        <translation>attend 8 à 64 chiffres hexadécimaux, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs a whole number (0 for all), not &quot;%1&quot;</source>
        <translation>attend un nombre entier (0 pour tout), pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>needs an ISO date or time (2026-03-01, 2026-03-01T14:30 in local time, 2026-03-01T14:30Z or 2026-03-01T14:30+01:00), not &quot;%1&quot;</source>
        <translation>attend une date ou une heure ISO (2026-03-01, 2026-03-01T14:30 en heure locale, 2026-03-01T14:30Z ou 2026-03-01T14:30+01:00), et non « %1 »</translation>
    </message>
</context>
<context>
    <name>HistorySummary</name>
    <message>
        <source>needs a list of title, firmware, day and unit, each once, not &quot;%1&quot;</source>
        <translation>attend une liste de title, firmware, day et unit, chacun une seule fois, pas &quot;%1&quot;</translation>
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
        <translation>--outcome attend l&apos;un de %1, pas &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--by goes with --summary.</source>
        <translation>--by va avec --summary.</translation>
    </message>
    <message>
        <source>--by %1.</source>
        <translation>--by %1.</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 est donné plus d&apos;une fois.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--json and --csv exclude each other.</source>
        <translation>--json et --csv s&apos;excluent mutuellement.</translation>
    </message>
    <message>
        <source>--wait needs seconds from 1 to 3600, not &quot;%1&quot;.</source>
        <translation>--wait attend un nombre de secondes de 1 à 3600, pas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--events, --summary and --serials exclude each other.</source>
        <translation>--events, --summary et --serials s&apos;excluent mutuellement.</translation>
    </message>
    <message>
        <source>--pool goes with --serials.</source>
        <translation>--pool va avec --serials.</translation>
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
        <translation>Utilisation&#xa0;: %1 [options]

Affiche l&apos;historique de flashage&#xa0;: une ligne par tentative de téléversement
par la fenêtre, le téléverseur en ligne de commande et la station, la plus
récente en premier.

Options&#xa0;:
  --history URL      l&apos;historique&#xa0;: sqlite:///path/file.sqlite,
                     postgresql://user@host:port/dbname (les formes d&apos;URI
                     de libpq, ?host=/socket/dir compris&#xa0;; garder un mot
                     de passe dans ~/.pgpass)&#xa0;; par défaut&#xa0;: FWU_HISTORY,
                     sinon ~/.local/share/FirmwareUploader/history.sqlite
  --wait SECONDS     combien de temps l&apos;historique peut mettre à répondre
                     avant que l&apos;outil abandonne avec la sortie 2 (par
                     défaut 30)
  --json             JSON Lines&#xa0;: un objet par tentative (heures en UTC)
  --csv              valeurs séparées par des virgules avec une ligne
                     d&apos;en-tête (UTC)
  --unit A[:P]       tentatives sur l&apos;unité à l&apos;adresse A (et au port P)
  --name NAME        tentatives sur l&apos;unité de ce nom
  --unit-serial TEXT tentatives sur l&apos;unité portant ce numéro de série sur
                     son étiquette
  --serial VALUE     tentatives qui ont écrit ce numéro de série dans
                     l&apos;image
  --sha256 HEX       firmware dont le SHA-256 commence par HEX (8 chiffres
                     ou plus)
  --outcome WORD     tentatives terminées ainsi&#xa0;: %2
  --since WHEN       tentatives commencées à partir de WHEN&#xa0;: une date ou
                     une heure ISO, 2026-03-01T14:30Z ou +01:00&#xa0;; sans Z
                     ni décalage, votre heure locale
  --until WHEN       tentatives commencées jusqu&apos;à WHEN (une date&#xa0;: jusqu&apos;à
                     sa fin)
  --run-id ID        tentatives d&apos;une exécution de la station
  --limit N          au plus N tentatives, 0 pour toutes (par défaut&#xa0;: %3
                     dans le tableau, toutes avec --json ou --csv)
  --summary          unités, tentatives, terminées, rendement au premier
                     passage et rendement final par groupe de toutes les
                     tentatives correspondantes
  --by LIST          les groupes du résumé&#xa0;: parmi title, firmware, day,
                     unit (par défaut title,firmware)
  --events           les événements des stations à la place&#xa0;: verrouillage,
                     déverrouillage, déverrouillage refusé, nouvelle équipe
                     (avec --limit)
  --serials          le registre des numéros de série à la place&#xa0;: chaque
                     numéro de chaque réserve, son état (allocated, used,
                     burnt, returned) et la tentative, l&apos;unité et l&apos;hôte
                     qui l&apos;ont détenu en dernier
  --pool NAME        avec --serials&#xa0;: les numéros de cette réserve
                     seulement
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
        <translation>  -h, --help         afficher ce texte
  -v, --version      afficher la version

Le tableau affiche votre heure locale avec son décalage&#xa0;; JSON et CSV
gardent l&apos;UTC.

Codes de sortie&#xa0;:
  0    fait, y compris quand aucune tentative ne correspond
  2    l&apos;historique est illisible
  4    option erronée
</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language code</source>
        <translation>--language attend un code de langue</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; known: %2</source>
        <translation>langue inconnue &quot;%1&quot;&#xa0;; connues&#xa0;: %2</translation>
    </message>
    <message>
        <source>The language to speak: %1 (default: the system&apos;s).</source>
        <translation>La langue à utiliser&#xa0;: %1 (par défaut&#xa0;: celle du système).</translation>
    </message>
    <message>
        <source>the language to speak: %1</source>
        <translation>la langue à utiliser&#xa0;: %1</translation>
    </message>
    <message>
        <source>(default: the system&apos;s)</source>
        <translation>(par défaut&#xa0;: celle du système)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s (%1)</source>
        <extracomment>The entry that follows the desktop&apos;s language; %1 names the one it is now.</extracomment>
        <translation>Celle du &amp;système (%1)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation>Le choix de la langue n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The new language is used from the next start of the program.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage du programme.</translation>
    </message>
</context>
<context>
    <name>LineView</name>
    <message>
        <source>Line view</source>
        <translation>Vue de la ligne</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
</context>
<context>
    <name>LockControls</name>
    <message>
        <source>Wrong supervisor password: the station stays locked.</source>
        <translation>Mot de passe superviseur erroné&#xa0;: la station reste verrouillée.</translation>
    </message>
    <message>
        <source>&amp;Lock for production</source>
        <translation>&amp;Verrouiller pour la production</translation>
    </message>
    <message>
        <source>&amp;Unlock...</source>
        <translation>Déverro&amp;uiller...</translation>
    </message>
    <message>
        <source>Supervisor &amp;password...</source>
        <translation>Mot de passe su&amp;perviseur...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Supervisor password:</source>
        <translation>Mot de passe superviseur&#xa0;:</translation>
    </message>
    <message>
        <source>The station is locked. Supervisor password:</source>
        <translation>La station est verrouillée. Mot de passe superviseur&#xa0;:</translation>
    </message>
    <message>
        <source>Supervisor password</source>
        <translation>Mot de passe superviseur</translation>
    </message>
    <message>
        <source>New supervisor password:</source>
        <translation>Nouveau mot de passe superviseur&#xa0;:</translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation>Le même mot de passe à nouveau&#xa0;:</translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed.</source>
        <translation>Les deux mots de passe diffèrent&#xa0;: rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Save Log &amp;As…</source>
        <translation>Enregistrer le journal &amp;sous…</translation>
    </message>
    <message>
        <source>Trusted &amp;Keys…</source>
        <translation>&amp;Clés de confiance…</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Ou&amp;tils</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <extracomment>Tools menu toggle: start the upload again after each finished one.</extracomment>
        <translation>&amp;Boucle</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <extracomment>Tools menu toggle: send the records at a slower pace.</extracomment>
        <translation>&amp;Ralenti</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <extracomment>Tools menu toggle: write more detail to the log.</extracomment>
        <translation>&amp;Débogage</translation>
    </message>
    <message>
        <source>Forget</source>
        <extracomment>Tools menu item: drop the remembered address and port.</extracomment>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Choose the firmware file (or drop a .hex file anywhere on the window)</source>
        <translation>Choisir le fichier firmware (ou déposer un fichier .hex n&apos;importe où sur la fenêtre)</translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation>Charger et démarrer</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>In the address or port box: Load and Start; on the file label: choose the firmware file</source>
        <translation>Dans le champ d&apos;adresse ou de port&#xa0;: Charger et démarrer&#xa0;; sur l&apos;étiquette du fichier&#xa0;: choisir le fichier firmware</translation>
    </message>
    <message>
        <source>Save the log to a text file</source>
        <translation>Enregistrer le journal dans un fichier texte</translation>
    </message>
    <message>
        <source>Stop the upload while it connects or sends</source>
        <translation>Arrêter le téléversement pendant la connexion ou l&apos;envoi</translation>
    </message>
    <message>
        <source>Copy the selected log line</source>
        <translation>Copier la ligne de journal sélectionnée</translation>
    </message>
    <message>
        <source>Alt+F, X</source>
        <extracomment>The keys of File &gt; Exit: Alt with the File menu&apos;s underlined letter, then Exit&apos;s.</extracomment>
        <translation>Alt+F, Q</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the log, the address, the port, Load and Start and the file label</source>
        <translation>Passer du journal à l&apos;adresse, au port, à Charger et démarrer et à l&apos;étiquette du fichier</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Press Load and Start, or choose the firmware file on the file label</source>
        <translation>Appuyer sur Charger et démarrer, ou choisir le fichier firmware sur l&apos;étiquette du fichier</translation>
    </message>
</context>
<context>
    <name>OperatorDesk</name>
    <message>
        <source>No unit can take the serial %1 now: select one that is not running.</source>
        <translation>Aucune unité ne peut prendre le numéro de série %1 maintenant&#xa0;: en sélectionner une qui n&apos;est pas en cours.</translation>
    </message>
    <message>
        <source>New &amp;shift...</source>
        <translation>&amp;Nouvelle équipe...</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>Nouvelle équipe</translation>
    </message>
</context>
<context>
    <name>OperatorQuestions</name>
    <message>
        <source>Stop the upload now?

The unit stays in programming mode until it gets a whole firmware file or is restarted.</source>
        <translation>Arrêter le téléversement maintenant&#xa0;?

L&apos;unité reste en mode programmation jusqu&apos;à ce qu&apos;elle reçoive un fichier firmware complet ou soit redémarrée.</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>Enregistrer le journal sous</translation>
    </message>
    <message>
        <source>Log files</source>
        <translation>Fichiers journaux</translation>
    </message>
    <message>
        <source>Stop the upload</source>
        <translation>Arrêter le téléversement</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>OperatorSeat</name>
    <message>
        <source>Operator: %1</source>
        <translation>Opérateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Who runs the station?</source>
        <translation>Qui utilise la station&#xa0;?</translation>
    </message>
    <message>
        <source>Ask for the operator at s&amp;tart</source>
        <translation>Demander l&apos;opéra&amp;teur au démarrage</translation>
    </message>
</context>
<context>
    <name>OutcomeAnnouncer</name>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>How the last upload ended: Finished or Failed</source>
        <translation>Comment le dernier téléversement s&apos;est terminé&#xa0;: Terminé ou Échec</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A desktop notification&apos;s summary: the program&apos;s title, then how the upload ended.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The firmware was installed.</source>
        <translation>Le firmware a été installé.</translation>
    </message>
    <message>
        <source>The upload failed; the log says why.</source>
        <translation>Le téléversement a échoué&#xa0;; le journal indique pourquoi.</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>How the last upload ended, in the status bar: the operator stopped it.</extracomment>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>Échec</translation>
    </message>
</context>
<context>
    <name>ProductionLock</name>
    <message>
        <source>The station is locked: unlock it first.</source>
        <translation>La station est verrouillée&#xa0;: la déverrouiller d&apos;abord.</translation>
    </message>
    <message numerus="yes">
        <source>The password needs at least %n characters.</source>
        <translation>
            <numerusform>Le mot de passe doit comporter au moins %n caractère.</numerusform>
            <numerusform>Le mot de passe doit comporter au moins %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>The password could not be hashed (out of memory).</source>
        <translation>Le mot de passe n&apos;a pas pu être haché (mémoire insuffisante).</translation>
    </message>
    <message>
        <source>Set a supervisor password first (File &gt; Supervisor password...): without one nobody could unlock the station.</source>
        <translation>Définir d&apos;abord un mot de passe superviseur (Fichier &gt; Mot de passe superviseur...)&#xa0;: sans lui, personne ne pourrait déverrouiller la station.</translation>
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
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 - %2 left</source>
        <extracomment>The progress bar&apos;s text: the share sent, then the time left.</extracomment>
        <translation>%1 - %2 restant</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1/%2 records  %3%  %4  %5 left</source>
        <extracomment>The progress line on a terminal: records sent of all, percent, rate, time left.</extracomment>
        <translation>%1/%2 enregistrements  %3&#xa0;%  %4  %5 restant</translation>
    </message>
</context>
<context>
    <name>ReportSaver</name>
    <message>
        <source>The report folder %1 is not a folder.</source>
        <translation>Le dossier des rapports %1 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The report folder %1 cannot be made.</source>
        <translation>Le dossier des rapports %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Reports cannot be saved in %1: %2</source>
        <translation>Impossible d&apos;enregistrer des rapports dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no report folder is set (--report-dir or File &gt; Report folder), so no report is saved.</source>
        <translation>aucun dossier des rapports n&apos;est défini (--report-dir ou Fichier &gt; Dossier des rapports), aucun rapport n&apos;est donc enregistré.</translation>
    </message>
    <message>
        <source>Report saved as %1.csv and .json</source>
        <translation>Rapport enregistré sous %1.csv et .json</translation>
    </message>
    <message>
        <source>Save report (CSV and JSON)</source>
        <translation>Enregistrer le rapport (CSV et JSON)</translation>
    </message>
    <message>
        <source>Report (*.csv)</source>
        <translation>Rapport (*.csv)</translation>
    </message>
    <message>
        <source>Folder for reports saved at the end of each run (cancel: none)</source>
        <translation>Dossier des rapports enregistrés à la fin de chaque exécution (annuler&#xa0;: aucun)</translation>
    </message>
    <message>
        <source>Reports are saved only when asked.</source>
        <translation>Les rapports ne sont enregistrés que sur demande.</translation>
    </message>
    <message>
        <source>Reports are saved in %1 after each run.</source>
        <translation>Les rapports sont enregistrés dans %1 après chaque exécution.</translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Flash &amp;all</source>
        <translation>Flasher &amp;tout</translation>
    </message>
    <message>
        <source>Flash &amp;selected</source>
        <translation>Flasher la &amp;sélection</translation>
    </message>
    <message>
        <source>&amp;Re-run failed</source>
        <translation>&amp;Relancer les échecs</translation>
    </message>
    <message>
        <source>Sto&amp;p selected</source>
        <translation>Arrêter la sé&amp;lection</translation>
    </message>
    <message>
        <source>S&amp;top all</source>
        <translation>Arrêter t&amp;out</translation>
    </message>
    <message>
        <source>all</source>
        <extracomment>Units at once: no limit.</extracomment>
        <translation>toutes</translation>
    </message>
    <message>
        <source>How many units are flashed at the same time</source>
        <translation>Nombre d&apos;unités flashées en même temps</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after the number.</extracomment>
        <translation> ms</translation>
    </message>
    <message>
        <source>An upload ends when the unit is silent this long during the transfer</source>
        <translation>Un téléversement s&apos;arrête quand l&apos;unité reste muette aussi longtemps pendant le transfert</translation>
    </message>
    <message>
        <source>Further tries of a connection that never came about</source>
        <translation>Nouveaux essais d&apos;une connexion qui n&apos;a jamais abouti</translation>
    </message>
    <message>
        <source>Response time-&amp;out:</source>
        <translation>Délai de ré&amp;ponse&#xa0;:</translation>
    </message>
    <message>
        <source>Retr&amp;ies:</source>
        <translation>&amp;Nouveaux essais&#xa0;:</translation>
    </message>
    <message>
        <source>U&amp;nits at once:</source>
        <translation>&amp;Unités à la fois&#xa0;:</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot make the report folder %1.</source>
        <translation>Impossible de créer le dossier des rapports %1.</translation>
    </message>
    <message>
        <source>Cannot save a report in %1: every name is taken.</source>
        <translation>Impossible d&apos;enregistrer un rapport dans %1&#xa0;: tous les noms sont pris.</translation>
    </message>
</context>
<context>
    <name>ScanField</name>
    <message>
        <source>scan a unit&apos;s label</source>
        <translation>scanner l&apos;étiquette d&apos;une unité</translation>
    </message>
    <message>
        <source>S&amp;erial:</source>
        <translation>N° de sér&amp;ie&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SerialCheck</name>
    <message>
        <source>%1 already finished on %2 at %3 (%4): rescan the label, or confirm at Flash that this unit is flashed again.</source>
        <translation>%1 a déjà abouti le %2 sur %3 (%4)&#xa0;: scanner à nouveau l&apos;étiquette, ou confirmer au flashage que cette unité est flashée une nouvelle fois.</translation>
    </message>
    <message>
        <source>Serials already flashed</source>
        <translation>Numéros de série déjà flashés</translation>
    </message>
    <message>
        <source>

Flash these units all the same?</source>
        <translation>

Flasher ces unités malgré tout&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SerialControls</name>
    <message>
        <source>Serial &amp;numbers...</source>
        <translation>Nu&amp;méros de série...</translation>
    </message>
</context>
<context>
    <name>SerialDialog</name>
    <message>
        <source>Serial numbers</source>
        <translation>Numéros de série</translation>
    </message>
    <message>
        <source>&amp;Write a number of its own into each unit&apos;s image</source>
        <translation>É&amp;crire un numéro propre dans l&apos;image de chaque unité</translation>
    </message>
    <message>
        <source>e.g. 0x7FF0:4</source>
        <translation>p. ex. 0x7FF0:4</translation>
    </message>
    <message>
        <source>Number, little-endian</source>
        <translation>Nombre, petit-boutiste</translation>
    </message>
    <message>
        <source>Number, big-endian</source>
        <translation>Nombre, gros-boutiste</translation>
    </message>
    <message>
        <source>Decimal digits (ASCII)</source>
        <translation>Chiffres décimaux (ASCII)</translation>
    </message>
    <message>
        <source>Hex digits (ASCII)</source>
        <translation>Chiffres hexa (ASCII)</translation>
    </message>
    <message>
        <source>Bytes as given (e.g. a MAC address)</source>
        <translation>Octets tels quels (p. ex. une adresse MAC)</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>List file</source>
        <translation>Fichier liste</translation>
    </message>
    <message>
        <source>Intel HEX list file</source>
        <translation>Fichier liste Intel HEX</translation>
    </message>
    <message>
        <source>The scanned label</source>
        <translation>L&apos;étiquette scannée</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>le titre</translation>
    </message>
    <message>
        <source>&amp;Address:length:</source>
        <translation>&amp;Adresse:longueur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>&amp;Source&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>&amp;Réserve&#xa0;:</translation>
    </message>
    <message>
        <source>first[:last], e.g. 1000:1999</source>
        <translation>premier[:dernier], p. ex. 1000:1999</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>Serial number list</source>
        <translation>Liste de numéros de série</translation>
    </message>
</context>
<context>
    <name>SerialSettings</name>
    <message>
        <source>Say where the number goes: an address and a length, e.g. 0x7FF0:4.</source>
        <translation>Indiquer où va le numéro&#xa0;: une adresse et une longueur, p. ex. 0x7FF0:4.</translation>
    </message>
    <message>
        <source>Address and length: %1</source>
        <translation>Adresse et longueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>Format&#xa0;: %1</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source&#xa0;: %1</translation>
    </message>
    <message>
        <source>Say where the numbers come from: a counter, a list file or an Intel HEX list file.</source>
        <translation>Indiquer d&apos;où viennent les numéros&#xa0;: un compteur, un fichier liste ou un fichier liste Intel HEX.</translation>
    </message>
    <message>
        <source>The list of numbers cannot be read: %1</source>
        <translation>La liste de numéros est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 has no scanned serial to write.</source>
        <translation>%1 n&apos;a aucun numéro de série scanné à écrire.</translation>
    </message>
    <message>
        <source>Serial numbers: off</source>
        <translation>Numéros de série&#xa0;: désactivés</translation>
    </message>
    <message>
        <source>the scanned label</source>
        <translation>l&apos;étiquette scannée</translation>
    </message>
    <message>
        <source>Serial numbers: %1 at %2 (%3)</source>
        <translation>Numéros de série&#xa0;: %1 à %2 (%3)</translation>
    </message>
    <message>
        <source>the list&apos;s</source>
        <translation>ceux de la liste</translation>
    </message>
</context>
<context>
    <name>ShiftCounts</name>
    <message>
        <source>Pass %1  Fail %2  Total %3  Yield %4 %</source>
        <translation>Réussis %1  Échecs %2  Total %3  Rendement %4&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ShiftWatch</name>
    <message>
        <source>Shift: %1</source>
        <translation>Équipe&#xa0;: %1</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>Nouvelle équipe</translation>
    </message>
    <message>
        <source>Start a new shift? Pass, Fail, Total and Yield start again from zero.

Now: %1</source>
        <translation>Commencer une nouvelle équipe&#xa0;? Réussis, Échecs, Total et Rendement repartent de zéro.

Maintenant&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SignatureStatus</name>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>Non signé par une clé de confiance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Signature: not valid: %1</source>
        <translation>Signature&#xa0;: non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>Signature&#xa0;: clé %1, commentaire de confiance&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SimulatorHelp</name>
    <message>
        <source>A simulated control unit: a TCP server on a loopback address that takes display texts, a programming request and Intel HEX record lines, and answers each packet as the unit does, or with the faults asked for.

Packets are counted per connection from 0: the programming request is packet 0, the first record line 1, and so on; display-text packets are not answered and not counted. Bytes that frame no packet are answered once per run with NakChecksum and dropped up to the next &apos;:&apos;, FE or F0.

Faults (--fault KIND[:ARG]@N[#C], N a packet or &quot;eof&quot; for the record of type 01, C a connection number from 1, default every connection):
  </source>
        <translation>Une unité de commande simulée&#xa0;: un serveur TCP sur une adresse de bouclage qui accepte des textes d&apos;affichage, une demande de programmation et des lignes d&apos;enregistrements Intel HEX, et répond à chaque paquet comme l&apos;unité, ou avec les pannes demandées.

Les paquets sont comptés par connexion à partir de 0&#xa0;: la demande de programmation est le paquet 0, la première ligne d&apos;enregistrement le 1, et ainsi de suite&#xa0;; les paquets de texte d&apos;affichage ne reçoivent pas de réponse et ne sont pas comptés. Les octets qui ne forment aucun paquet reçoivent une seule fois par exécution la réponse NakChecksum et sont ignorés jusqu&apos;au prochain &apos;:&apos;, FE ou F0.

Pannes (--fault KIND[:ARG]@N[#C], N un paquet ou &quot;eof&quot; pour l&apos;enregistrement de type 01, C un numéro de connexion à partir de 1, par défaut chaque connexion)&#xa0;:
  </translation>
    </message>
    <message>
        <source>
Server faults (--fault KIND, no packet):
  never-accept        connects stay pending (the accept queue is full)
  no-server           nothing listens: connects are refused; prints &quot;no server at 127.0.0.1:PORT&quot;

A demo firmware file to send it: %1</source>
        <translation>
Pannes du serveur (--fault KIND, sans paquet)&#xa0;:
  never-accept        les connexions restent en attente (la file d&apos;acceptation est pleine)
  no-server           rien n&apos;écoute&#xa0;: les connexions sont refusées&#xa0;; affiche &quot;no server at 127.0.0.1:PORT&quot;

Un fichier firmware de démonstration à lui envoyer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>TCP port; 0 picks a free one. Printed at start as &quot;listening on 127.0.0.1:PORT&quot;.</source>
        <translation>Port TCP&#xa0;; 0 en choisit un libre. Affiché au démarrage sous la forme &quot;listening on 127.0.0.1:PORT&quot;.</translation>
    </message>
    <message>
        <source>Loopback address to listen on.</source>
        <translation>Adresse de bouclage sur laquelle écouter.</translation>
    </message>
    <message>
        <source>The product the unit is: %1.</source>
        <translation>Le produit qu&apos;est l&apos;unité&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Milliseconds before each answer.</source>
        <translation>Millisecondes avant chaque réponse.</translation>
    </message>
    <message>
        <source>The 4 bytes after each response code, as 8 hex digits, or &quot;random&quot;.</source>
        <translation>Les 4 octets après chaque code de réponse, en 8 chiffres hexa, ou &quot;random&quot;.</translation>
    </message>
    <message>
        <source>Milliseconds between the writes of a split or repeated answer.</source>
        <translation>Millisecondes entre les écritures d&apos;une réponse fractionnée ou répétée.</translation>
    </message>
    <message>
        <source>Inject a fault (repeatable, see above).</source>
        <translation>Injecter une panne (répétable, voir ci-dessus).</translation>
    </message>
    <message>
        <source>Write every record received, one per line, to FILE after each connection.</source>
        <translation>Écrire chaque enregistrement reçu, un par ligne, dans FILE après chaque connexion.</translation>
    </message>
    <message>
        <source>Stop after N connections (0 = never).</source>
        <translation>S&apos;arrêter après N connexions (0 = jamais).</translation>
    </message>
    <message>
        <source>Stop after T seconds (0 = never).</source>
        <translation>S&apos;arrêter après T secondes (0 = jamais).</translation>
    </message>
    <message>
        <source>Print each packet and its verdict on stderr.</source>
        <translation>Afficher chaque paquet et son verdict sur stderr.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535</source>
        <translation>--port attend un nombre de 0 à 65535</translation>
    </message>
    <message>
        <source>--address must be a loopback address, not &quot;%1&quot;</source>
        <translation>--address doit être une adresse de bouclage, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unknown profile &quot;%1&quot;; known: %2</source>
        <translation>profil inconnu &quot;%1&quot;&#xa0;; connus&#xa0;: %2</translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds</source>
        <translation>--delay attend un nombre de millisecondes</translation>
    </message>
    <message>
        <source>--fragment-gap needs a number of milliseconds</source>
        <translation>--fragment-gap attend un nombre de millisecondes</translation>
    </message>
    <message>
        <source>--tail needs 8 hex digits or &quot;random&quot;</source>
        <translation>--tail attend 8 chiffres hexa ou &quot;random&quot;</translation>
    </message>
    <message>
        <source>--connections needs a number</source>
        <translation>--connections attend un nombre</translation>
    </message>
    <message>
        <source>--seconds needs a number</source>
        <translation>--seconds attend un nombre</translation>
    </message>
    <message>
        <source>cannot listen on %1:%2: %3</source>
        <translation>impossible d&apos;écouter sur %1:%2&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>StationEventLog</name>
    <message>
        <source>The station&apos;s event is not in the flash history: %1</source>
        <translation>L&apos;événement de la station n&apos;est pas dans l&apos;historique de flashage&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StationHelp</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Version %1&lt;/p&gt;&lt;p&gt;Flashes one Intel HEX firmware file into many control units at once, one command-line uploader per unit.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Version %1&lt;/p&gt;&lt;p&gt;Flashe un fichier firmware Intel HEX dans de nombreuses unités de commande à la fois, avec un téléverseur en ligne de commande par unité.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2, exécuté sous Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open a list of units</source>
        <translation>Ouvrir une liste d&apos;unités</translation>
    </message>
    <message>
        <source>Save the list of units</source>
        <translation>Enregistrer la liste d&apos;unités</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <extracomment>The accelerator of the &quot;Flash &amp;all&quot; button.</extracomment>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Flash all</source>
        <translation>Tout flasher</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <extracomment>The accelerator of the &quot;Flash &amp;selected&quot; button.</extracomment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Flash the selected units</source>
        <translation>Flasher les unités sélectionnées</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <extracomment>The accelerator of the &quot;&amp;Re-run failed&quot; button.</extracomment>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Re-run the failed units</source>
        <translation>Relancer les unités en échec</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <extracomment>The accelerator of the &quot;Sto&amp;p selected&quot; button.</extracomment>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>Stop the selected units (asks first)</source>
        <translation>Arrêter les unités sélectionnées (avec confirmation)</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <extracomment>The accelerator of the &quot;S&amp;top all&quot; button.</extracomment>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Stop all (asks first)</source>
        <translation>Tout arrêter (avec confirmation)</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit the current cell</source>
        <translation>Modifier la cellule courante</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Entrée, double-clic</translation>
    </message>
    <message>
        <source>Show the unit&apos;s log</source>
        <translation>Afficher le journal de l&apos;unité</translation>
    </message>
    <message>
        <source>Menu key, right click</source>
        <translation>Touche Menu, clic droit</translation>
    </message>
    <message>
        <source>Stop, show the log or re-run the selected units</source>
        <translation>Arrêter, afficher le journal ou relancer les unités sélectionnées</translation>
    </message>
    <message>
        <source>Quit (asks first while units are flashed)</source>
        <translation>Quitter (avec confirmation si des unités sont en cours de flashage)</translation>
    </message>
    <message>
        <source>About Firmware Uploader Station</source>
        <translation>À propos de Firmware Uploader Station</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 needs a whole number of milliseconds, at least 1.</source>
        <translation>%1 attend un nombre entier de millisecondes, au moins 1.</translation>
    </message>
    <message>
        <source>%1 needs a whole number from 0 to 1000.</source>
        <translation>%1 attend un nombre entier de 0 à 1000.</translation>
    </message>
    <message>
        <source>%1 needs a whole number, 0 for all units at once.</source>
        <translation>%1 attend un nombre entier, 0 pour toutes les unités à la fois.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An option, then what is wrong with its value.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <extracomment>Two option names.</extracomment>
        <translation>%1 nécessite %2.</translation>
    </message>
    <message>
        <source>%1 needs %2 and %3.</source>
        <translation>%1 nécessite %2 et %3.</translation>
    </message>
    <message>
        <source>open this list of units (CSV: name,address,port[,title])
instead of the last one</source>
        <translation>ouvrir cette liste d&apos;unités (CSV&#xa0;:
name,address,port[,title]) au lieu de la dernière</translation>
    </message>
    <message>
        <source>choose this Intel HEX file</source>
        <translation>choisir ce fichier Intel HEX</translation>
    </message>
    <message>
        <source>units flashed at the same time; 0 for all</source>
        <translation>unités flashées en même temps&#xa0;; 0 pour toutes</translation>
    </message>
    <message>
        <source>start flashing every unit at once (needs %1 and
%2); problems that stop the run go to standard
error and the program exits with status 2</source>
        <translation>lancer le flashage de toutes les unités à la fois
(exige %1 et %2)&#xa0;; les problèmes qui empêchent
l&apos;exécution vont sur la sortie d&apos;erreur et le
programme se termine avec le statut 2</translation>
    </message>
    <message>
        <source>with %1: save the report and exit when the run
ends: 0 every unit finished, 1 any did not, 2 the run
could not start; no dialogs (runs without a display)</source>
        <translation>avec %1&#xa0;: enregistrer le rapport et quitter à la
fin de l&apos;exécution&#xa0;: 0 toutes les unités ont abouti,
1 l&apos;une n&apos;a pas abouti, 2 l&apos;exécution n&apos;a pas pu
démarrer&#xa0;; aucune boîte de dialogue (fonctionne sans
affichage)</translation>
    </message>
    <message>
        <source>save each run&apos;s report in DIR (default: the report folder
of the settings, if any); one that cannot take it: exit 2
before any unit is flashed</source>
        <translation>enregistrer le rapport de chaque exécution dans DIR (par
défaut&#xa0;: le dossier des rapports des paramètres, s&apos;il y en
a un)&#xa0;; s&apos;il ne peut pas le recevoir&#xa0;: sortie 2 avant
qu&apos;aucune unité ne soit flashée</translation>
    </message>
    <message>
        <source>each uploader&apos;s response time-out (kept; at first
60000, as the uploader&apos;s)</source>
        <translation>délai de réponse de chaque téléverseur (conservé&#xa0;; au
départ 60000, comme celui du téléverseur)</translation>
    </message>
    <message>
        <source>further connection tries per unit (kept; at first 0)</source>
        <translation>nouveaux essais de connexion par unité (conservé&#xa0;; au
départ 0)</translation>
    </message>
    <message>
        <source>use a dark colour scheme</source>
        <translation>utiliser un jeu de couleurs sombre</translation>
    </message>
    <message>
        <source>who runs the station, in every uploader&apos;s history rows
(default: asked at start when File &gt; Ask for the operator
is on, else the login name)</source>
        <translation>qui utilise la station, dans les lignes d&apos;historique de
chaque téléverseur (par défaut&#xa0;: demandé au démarrage si
Fichier &gt; Demander l&apos;opérateur est activé, sinon le nom
de connexion)</translation>
    </message>
    <message>
        <source>start locked for production: changing the firmware, the
list, time-out, retries or report folder needs the
supervisor password (File &gt; Supervisor password...)</source>
        <translation>démarrer verrouillé pour la production&#xa0;: modifier le
firmware, la liste, le délai, les essais ou le dossier
des rapports exige le mot de passe superviseur
(Fichier &gt; Mot de passe superviseur...)</translation>
    </message>
    <message>
        <source>flash only firmware whose signature (FILE.hex.minisig)
verifies with KEY: a .pub key file or the base64 key;
repeatable, any of the keys may have signed</source>
        <translation>flasher uniquement le firmware dont la signature
(FILE.hex.minisig) se vérifie avec KEY&#xa0;: un fichier de clé
.pub ou la clé en base64&#xa0;; répétable, n&apos;importe laquelle
des clés peut avoir signé</translation>
    </message>
    <message>
        <source>the flash history every uploader writes its rows to
(sqlite:///path, postgresql://user@host/db or off; default:
FWU_HISTORY, else the uploaders&apos; default file); every user
can read an option: give a password in ~/.pgpass</source>
        <extracomment>Keep sqlite:///path, postgresql://user@host/db, off, FWU_HISTORY and ~/.pgpass as they are.</extracomment>
        <translation>l&apos;historique de flashage où chaque téléverseur écrit ses
lignes (sqlite:///path, postgresql://user@host/db ou off&#xa0;;
par défaut&#xa0;: FWU_HISTORY, sinon le fichier par défaut des
téléverseurs)&#xa0;; tout utilisateur peut lire une option&#xa0;:
mettre un mot de passe dans ~/.pgpass</translation>
    </message>
    <message>
        <source>write each unit&apos;s own number at this address of
the image, in LENGTH bytes (1 to 32); with any %1
option the numbers are on for this session, the options
not given as in File &gt; Serial numbers...</source>
        <translation>écrire le numéro propre à chaque unité à cette
adresse de l&apos;image, sur LENGTH octets (1 à 32)&#xa0;; avec
une option %1 quelconque, les numéros sont activés
pour cette session, les options non données étant
comme dans Fichier &gt; Numéros de série...</translation>
    </message>
    <message>
        <source>le, be, ascii, hex or bytes (as the uploader&apos;s)</source>
        <extracomment>Keep the format words as they are.</extracomment>
        <translation>le, be, ascii, hex ou bytes (comme le téléverseur)</translation>
    </message>
    <message>
        <source>counter:START[:END], list:FILE, hexlist:FILE, or label
(each unit&apos;s scanned serial is its number)</source>
        <extracomment>Keep counter:START[:END], list:FILE, hexlist:FILE and label as they are.</extracomment>
        <translation>counter:START[:END], list:FILE, hexlist:FILE, ou label
(le numéro de série scanné de chaque unité est son numéro)</translation>
    </message>
    <message>
        <source>the pool in the flash history the numbers come from
(default: the title)</source>
        <translation>la réserve de l&apos;historique de flashage d&apos;où viennent les
numéros (par défaut&#xa0;: le titre)</translation>
    </message>
    <message>
        <source>answer the HTTP/JSON control interface of a line
system on 127.0.0.1 (or ADDRESS, an address of this PC)
and PORT (0: a free one); prints its URL and token file</source>
        <translation>répondre à l&apos;interface de commande HTTP/JSON
d&apos;un système de ligne sur 127.0.0.1 (ou ADDRESS, une
adresse de ce PC) et PORT (0&#xa0;: un port libre)&#xa0;;
affiche son URL et son fichier de jeton</translation>
    </message>
    <message>
        <source>write the interface&apos;s token to FILE instead of
%1</source>
        <translation>écrire le jeton de l&apos;interface dans FILE au lieu de
%1</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>the command-line uploader to run (default: the one beside
this program, else %1 on PATH)</source>
        <translation>le téléverseur en ligne de commande à exécuter (par
défaut&#xa0;: celui situé à côté de ce programme, sinon
%1 dans le PATH)</translation>
    </message>
    <message>
        <source>the flash history when %1 is not given</source>
        <translation>l&apos;historique de flashage quand %1 n&apos;est pas donné</translation>
    </message>
    <message>
        <source>how long a poll of the interface&apos;s events waits at most
(default 25000; for tests)</source>
        <translation>durée maximale d&apos;attente d&apos;une interrogation des
événements de l&apos;interface (par défaut 25000&#xa0;; pour les
tests)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Flashes one firmware file into many units at once, one %2
process per unit, and reports each unit&apos;s outcome.
</source>
        <translation>Utilisation&#xa0;: %1 [options]
Flashe un fichier firmware dans de nombreuses unités à la fois,
un processus %2 par unité, et indique le résultat
de chaque unité.
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Bad options: exit status %1.</source>
        <translation>Options erronées&#xa0;: statut de sortie %1.</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Environnement&#xa0;:</translation>
    </message>
</context>
<context>
    <name>StationServe</name>
    <message>
        <source>--serve needs [ADDRESS:]PORT, e.g. 8080 or 192.0.2.7:8080.</source>
        <translation>--serve attend [ADDRESS:]PORT, p. ex. 8080 ou 192.0.2.7:8080.</translation>
    </message>
    <message>
        <source>--serve: %1 is not an address of this PC.</source>
        <translation>--serve&#xa0;: %1 n&apos;est pas une adresse de ce PC.</translation>
    </message>
    <message>
        <source>The control interface answers on %1, which other computers may reach: anyone with the token can drive the station.</source>
        <translation>L&apos;interface de commande répond sur %1, que d&apos;autres ordinateurs peuvent atteindre&#xa0;: toute personne ayant le jeton peut piloter la station.</translation>
    </message>
</context>
<context>
    <name>StationSession</name>
    <message>
        <source>The remembered list of units in %1 cannot be read (%2). It is kept as it is until another list is opened or made.</source>
        <translation>La liste d&apos;unités mémorisée dans %1 est illisible (%2). Elle est conservée telle quelle jusqu&apos;à l&apos;ouverture ou la création d&apos;une autre liste.</translation>
    </message>
    <message>
        <source>The station&apos;s settings could not be saved in %1; the list of units and the choices made here are not remembered.</source>
        <translation>Les paramètres de la station n&apos;ont pas pu être enregistrés dans %1&#xa0;; la liste d&apos;unités et les choix faits ici ne sont pas mémorisés.</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>The firmware chosen last time is gone: %1</source>
        <translation>Le firmware choisi la dernière fois a disparu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Firmware Uploader Station</source>
        <translation>Firmware Uploader Station</translation>
    </message>
    <message>
        <source>Run ended. %1</source>
        <translation>Exécution terminée. %1</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Units are being flashed. Stop them all and quit?</source>
        <translation>Des unités sont en cours de flashage. Les arrêter toutes et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open units list...</source>
        <translation>&amp;Ouvrir une liste d&apos;unités...</translation>
    </message>
    <message>
        <source>Save units list &amp;as...</source>
        <translation>Enregistrer la liste d&apos;unités &amp;sous...</translation>
    </message>
    <message>
        <source>Save &amp;report...</source>
        <translation>Enregistrer le &amp;rapport...</translation>
    </message>
    <message>
        <source>Report &amp;folder for automatic saving...</source>
        <translation>&amp;Dossier des rapports enregistrés automatiquement...</translation>
    </message>
    <message>
        <source>&amp;History of the selected units...</source>
        <translation>&amp;Historique des unités sélectionnées...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>%1

Units that are mid-transfer stay in programming mode until they are flashed again.</source>
        <translation>%1

Les unités en plein transfert restent en mode programmation jusqu&apos;à ce qu&apos;elles soient de nouveau flashées.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop every unit now?</source>
        <translation>Arrêter toutes les unités maintenant&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Stop the %n selected unit(s) now?</source>
        <translation>
            <numerusform>Arrêter maintenant %n unité sélectionnée&#xa0;?</numerusform>
            <numerusform>Arrêter maintenant les %n unités sélectionnées&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt...</translation>
    </message>
    <message>
        <source>Stopping the selected units...</source>
        <translation>Arrêt des unités sélectionnées...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>Afficher le &amp;journal</translation>
    </message>
    <message>
        <source>&amp;Re-run</source>
        <translation>&amp;Relancer</translation>
    </message>
</context>
<context>
    <name>TrustedKeysDialog</name>
    <message>
        <source>Trusted Keys</source>
        <translation>Clés de confiance</translation>
    </message>
    <message>
        <source>Firmware signed with one of these keys is trusted:</source>
        <translation>Le firmware signé avec l&apos;une de ces clés est de confiance&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add Key File…</source>
        <translation>&amp;Ajouter un fichier de clé…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Flash only signed firmware</source>
        <translation>Flasher uniquement du firmware signé</translation>
    </message>
    <message>
        <source>Add a trusted key first: with none, every file would be refused.</source>
        <translation>Ajouter d&apos;abord une clé de confiance&#xa0;: sans aucune, tout fichier serait refusé.</translation>
    </message>
    <message>
        <source>The trusted keys could not be saved in &quot;%1&quot;.</source>
        <translation>Les clés de confiance n&apos;ont pas pu être enregistrées dans &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The key %1 is trusted already.</source>
        <translation>La clé %1 est déjà de confiance.</translation>
    </message>
    <message>
        <source>Add Trusted Key</source>
        <translation>Ajouter une clé de confiance</translation>
    </message>
    <message>
        <source>Key ID %1</source>
        <translation>ID de clé %1</translation>
    </message>
    <message>
        <source>Public keys</source>
        <translation>Clés publiques</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>UnitCellText</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>aucune réponse depuis %1 s</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 restant</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The number written into a unit and what became of it: burnt (never handed out again), returned (handed out again) or allocated.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A unit&apos;s progress in percent.</extracomment>
        <translation>%1&#xa0;%</translation>
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
        <translation>répondre NakChecksum (01)</translation>
    </message>
    <message>
        <source>answer NakProductCode (02)</source>
        <translation>répondre NakProductCode (02)</translation>
    </message>
    <message>
        <source>answer NakRecordType (03)</source>
        <translation>répondre NakRecordType (03)</translation>
    </message>
    <message>
        <source>answer the code FF</source>
        <translation>répondre le code FF</translation>
    </message>
    <message>
        <source>answer a code outside the table (default 04)</source>
        <translation>répondre un code hors de la table (04 par défaut)</translation>
    </message>
    <message>
        <source>N stray bytes before the answer (default 2)</source>
        <translation>N octets parasites avant la réponse (2 par défaut)</translation>
    </message>
    <message>
        <source>the answer in fragments of N bytes, separate writes (default 1)</source>
        <translation>la réponse en fragments de N octets, écrits séparément (1 par défaut)</translation>
    </message>
    <message>
        <source>the answer plus a response HH (default 00), or the two given responses, in one write</source>
        <translation>la réponse plus une réponse HH (00 par défaut), ou les deux réponses données, en une seule écriture</translation>
    </message>
    <message>
        <source>the answer written twice; with MS, the copy MS ms later, not holding back later answers</source>
        <translation>la réponse écrite deux fois ; avec MS, la copie MS ms plus tard, sans retenir les réponses suivantes</translation>
    </message>
    <message>
        <source>stop answering, keep the connection open</source>
        <translation>cesser de répondre, garder la connexion ouverte</translation>
    </message>
    <message>
        <source>close the connection instead of answering</source>
        <translation>fermer la connexion au lieu de répondre</translation>
    </message>
    <message>
        <source>reset the connection (RST) instead of answering</source>
        <translation>réinitialiser la connexion (RST) au lieu de répondre</translation>
    </message>
    <message>
        <source>stop answering, but send a stray byte (or a response HH) every 50 ms</source>
        <translation>cesser de répondre, mais envoyer un octet parasite (ou une réponse HH) toutes les 50 ms</translation>
    </message>
    <message>
        <source>the answer MS milliseconds late</source>
        <translation>la réponse avec MS millisecondes de retard</translation>
    </message>
    <message>
        <source>a positive count is needed, not &quot;%1&quot;</source>
        <translation>un nombre positif est attendu, et non « %1 »</translation>
    </message>
    <message>
        <source>too many codes in &quot;%1&quot;</source>
        <translation>trop de codes dans « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a two-digit hex code</source>
        <translation>« %1 » n&apos;est pas un code hexadécimal à deux chiffres</translation>
    </message>
    <message>
        <source>this fault takes no argument</source>
        <translation>cette panne ne prend pas d&apos;argument</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is missing (KIND@N)</source>
        <translation>« %1 » : le paquet manque (KIND@N)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: unknown fault &quot;%2&quot;</source>
        <translation>« %1 » : panne inconnue « %2 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the connection number counts from 1</source>
        <translation>« %1 » : le numéro de connexion commence à 1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is a number from 0 or &quot;eof&quot;</source>
        <translation>« %1 » : le paquet est un nombre à partir de 0 ou « eof »</translation>
    </message>
</context>
<context>
    <name>UnitListKeeper</name>
    <message>
        <source>Some rows cannot run: see the rows marked &quot;%1&quot;.</source>
        <translation>Certaines lignes ne peuvent pas être exécutées&#xa0;: voir les lignes marquées &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open units list</source>
        <translation>Ouvrir une liste d&apos;unités</translation>
    </message>
    <message>
        <source>Units list (*.csv)</source>
        <translation>Liste d&apos;unités (*.csv)</translation>
    </message>
    <message>
        <source>Save units list</source>
        <translation>Enregistrer la liste d&apos;unités</translation>
    </message>
</context>
<context>
    <name>UnitListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Titre</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° série</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Last flash</source>
        <translation>Dernier flash</translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <translation>%1
Code de sortie %2</translation>
    </message>
    <message>
        <source>cannot run</source>
        <translation>non exécutable</translation>
    </message>
    <message>
        <source>address &quot;%1&quot; is not valid</source>
        <translation>l&apos;adresse &quot;%1&quot; n&apos;est pas valide</translation>
    </message>
    <message>
        <source>same address and port as row %1</source>
        <translation>même adresse et même port que la ligne %1</translation>
    </message>
    <message>
        <source>same name as row %1</source>
        <translation>même nom que la ligne %1</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the reasons one row cannot run.</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <extracomment>Part of the counts above the units, where it is a link to the failed units.</extracomment>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n unité&#xa0;: %1 terminée, %2, %3 en cours, %4 en attente</numerusform>
            <numerusform>%n unités&#xa0;: %1 terminée(s), %2, %3 en cours, %4 en attente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting (%5 cannot run: see the marked rows)</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n unité&#xa0;: %1 terminée, %2, %3 en cours, %4 en attente (%5 non exécutable(s)&#xa0;: voir les lignes marquées)</numerusform>
            <numerusform>%n unités&#xa0;: %1 terminée(s), %2, %3 en cours, %4 en attente (%5 non exécutable(s)&#xa0;: voir les lignes marquées)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnitLogDialog</name>
    <message>
        <source>Log of %1</source>
        <translation>Journal de %1</translation>
    </message>
    <message>
        <source>State: %1, exit code %2</source>
        <translation>État&#xa0;: %1, code de sortie %2</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motif&#xa0;: %1</translation>
    </message>
    <message>
        <source>Standard error:</source>
        <translation>Sortie d&apos;erreur standard&#xa0;:</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Log files (*.log *.txt)</source>
        <translation>Fichiers journaux (*.log *.txt)</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>UnitSimulator</name>
    <message>
        <source>%1 is not a loopback address</source>
        <translation>%1 n&apos;est pas une adresse de bouclage</translation>
    </message>
    <message>
        <source>cannot hold port %1</source>
        <translation>impossible de réserver le port %1</translation>
    </message>
</context>
<context>
    <name>UnitStateText</name>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connexion</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>envoi</translation>
    </message>
    <message>
        <source>writing/rebooting</source>
        <translation>écriture/redémarrage</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>RÉUSSI</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>ÉCHEC</translation>
    </message>
</context>
<context>
    <name>UnitTable</name>
    <message>
        <source>unit %1</source>
        <extracomment>The name a new row of the list starts with.</extracomment>
        <translation>unité %1</translation>
    </message>
</context>
<context>
    <name>UnitViews</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Line view</source>
        <translation>Vue de la &amp;ligne</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Failed only</source>
        <translation>É&amp;checs seulement</translation>
    </message>
    <message>
        <source>A&amp;dd unit</source>
        <translation>Ajouter une u&amp;nité</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Descendr&amp;e</translation>
    </message>
    <message>
        <source>Double-click a row for its log.</source>
        <translation>Double-cliquer sur une ligne pour afficher son journal.</translation>
    </message>
    <message>
        <source>List o&amp;rder</source>
        <translation>&amp;Ordre de la liste</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>The flash history does not answer; the attempt is written when it does.</source>
        <translation>L&apos;historique de flashage ne répond pas&#xa0;; la tentative sera écrite quand il répondra.</translation>
    </message>
    <message>
        <source>Flash history</source>
        <translation>Historique de flashage</translation>
    </message>
    <message>
        <source>Database (sqlite:///path/file.sqlite, postgresql://user@host/dbname or off;
empty for the default):</source>
        <translation>Base de données (sqlite:///path/file.sqlite, postgresql://user@host/dbname ou off&#xa0;;
vide pour la valeur par défaut)&#xa0;:</translation>
    </message>
    <message>
        <source>A password is not kept in the window&apos;s settings. Leave it out of the URL and put it in ~/.pgpass (a line host:port:database:user:password, the file with mode 0600), where the database client finds it.</source>
        <translation>Un mot de passe n&apos;est pas conservé dans les paramètres de la fenêtre. Le laisser hors de l&apos;URL et le mettre dans ~/.pgpass (une ligne host:port:database:user:password, le fichier en mode 0600), où le client de la base de données le trouve.</translation>
    </message>
    <message>
        <source>the setting could not be saved</source>
        <translation>le paramètre n&apos;a pas pu être enregistré</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Show…</source>
        <translation>&amp;Afficher…</translation>
    </message>
    <message>
        <source>&amp;Database…</source>
        <translation>&amp;Base de données…</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Writing firmware: do not remove power</source>
        <translation>Écriture du firmware&#xa0;: ne pas couper l&apos;alimentation</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <extracomment>The window&apos;s caption: the program&apos;s title and version.</extracomment>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Choisir un fichier...</translation>
    </message>
    <message>
        <source>Could not save the log to &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer le journal dans &quot;%1&quot;&#xa0;: %2</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <translation>Boucles&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1: impossible d&apos;écrire sur la sortie standard&#xa0;: %2
</translation>
    </message>
    <message>
        <source>
A demo firmware file to try with: %1
</source>
        <translation>
Fichier firmware de démonstration pour essayer&#xa0;: %1
</translation>
    </message>
    <message>
        <source>
Usage: %1 [options] FILE.hex
Run &quot;%1 --help&quot; for the options and exit codes.</source>
        <translation>
Utilisation&#xa0;: %1 [options] FILE.hex
Lancer &quot;%1 --help&quot; pour les options et les codes de sortie.</translation>
    </message>
    <message>
        <source>no station events</source>
        <translation>aucun événement de station</translation>
    </message>
    <message>
        <source>no serial numbers</source>
        <translation>aucun numéro de série</translation>
    </message>
    <message>
        <source>no attempts match</source>
        <translation>aucune tentative ne correspond</translation>
    </message>
    <message>
        <source>%1 of %2 attempts shown; --limit 0 shows all</source>
        <translation>%1 tentatives affichées sur %2&#xa0;; --limit 0 les affiche toutes</translation>
    </message>
    <message>
        <source>
Run &quot;%1 --help&quot; for the options.</source>
        <translation>
Lancer &quot;%1 --help&quot; pour les options.</translation>
    </message>
    <message>
        <source>the history is off; give --history URL.</source>
        <translation>l&apos;historique est désactivé&#xa0;; donner --history URL.</translation>
    </message>
    <message>
        <source>no answer from the history at %1 within %2 s</source>
        <translation>aucune réponse de l&apos;historique à %1 en %2 s</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.
A demo firmware file to try it with: %1</source>
        <translation>Installe un firmware Intel HEX dans une unité de commande par Ethernet.
Fichier firmware de démonstration pour l&apos;essayer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Firmware file to choose at start (.hex).</source>
        <translation>Fichier firmware à choisir au démarrage (.hex).</translation>
    </message>
    <message>
        <source>[FILE.hex]</source>
        <extracomment>The command line&apos;s usage line: an optional firmware file.</extracomment>
        <translation>[FILE.hex]</translation>
    </message>
    <message>
        <source>A demo firmware file to try with: %1</source>
        <translation>Fichier firmware de démonstration pour essayer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for the options.</source>
        <translation>Lancer &quot;%1&quot; pour les options.</translation>
    </message>
</context>
</TS>
