<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ActivityLogView</name>
    <message>
        <source>&amp;Copy line</source>
        <translation>复制此行(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;all</source>
        <translation>全部复制(&amp;A)</translation>
    </message>
</context>
<context>
    <name>ApiServer</name>
    <message>
        <source>Cannot listen on %1 port %2.</source>
        <translation>无法在 %1 端口 %2 上监听。</translation>
    </message>
</context>
<context>
    <name>ApiToken</name>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1 must be a folder of this user&apos;s that nobody else can enter.</source>
        <translation>%1 必须是本用户的、其他人无法进入的文件夹。</translation>
    </message>
    <message>
        <source>Cannot write the token file %1: %2</source>
        <translation>无法写入令牌文件 %1：%2</translation>
    </message>
</context>
<context>
    <name>AttemptOutcome</name>
    <message>
        <source>Finished</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Refused by the unit</source>
        <translation>被单元拒绝</translation>
    </message>
    <message>
        <source>Could not connect</source>
        <translation>无法连接</translation>
    </message>
    <message>
        <source>Connection lost</source>
        <translation>连接中断</translation>
    </message>
    <message>
        <source>Unusable input</source>
        <translation>输入不可用</translation>
    </message>
    <message>
        <source>Output not written</source>
        <translation>未写入输出</translation>
    </message>
    <message>
        <source>Hung up</source>
        <translation>已挂断</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Uploader crashed</source>
        <translation>上传程序崩溃</translation>
    </message>
</context>
<context>
    <name>AttemptRecorder</name>
    <message>
        <source>in progress</source>
        <extracomment>The saved log&apos;s outcome while the upload still runs.</extracomment>
        <translation>进行中</translation>
    </message>
    <message>
        <source>no upload</source>
        <extracomment>The saved log&apos;s outcome before any upload was started.</extracomment>
        <translation>未上传</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Failed: refused by the unit</source>
        <translation>失败：被单元拒绝</translation>
    </message>
    <message>
        <source>Failed: could not connect</source>
        <translation>失败：无法连接</translation>
    </message>
    <message>
        <source>Failed: connection lost</source>
        <translation>失败：连接中断</translation>
    </message>
    <message>
        <source>Failed: the unit stopped answering</source>
        <translation>失败：单元不再应答</translation>
    </message>
    <message>
        <source>Failed: unusable address, port or firmware file</source>
        <translation>失败：地址、端口或固件文件不可用</translation>
    </message>
    <message>
        <source>Stopped by the operator</source>
        <translation>已被操作员停止</translation>
    </message>
    <message>
        <source>Failed: the program was closed</source>
        <translation>失败：程序已关闭</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>Size: %1 bytes</source>
        <translation>大小：%1 字节</translation>
    </message>
</context>
<context>
    <name>CliHistory</name>
    <message>
        <source>the program was stopped while it waited for the history</source>
        <translation>程序在等待烧录历史时被停止</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>%1 在 %2 秒内没有应答</translation>
    </message>
    <message>
        <source>the attempt is not in the flash history (%1); the outcome stands.</source>
        <translation>该次尝试不在烧录历史中（%1）；结果不变。</translation>
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
        <translation>用法：%1 [options] FILE.hex
      %1 --check [--json] [--expect-sha256 HEX]
            [--public-key KEY] FILE.hex

通过 TCP 将 Intel HEX 固件安装到控制单元，对话过程、日志和重启等待
均与窗口相同。日志输出到标准输出；在终端上，标准错误显示进度。
如有多个单元，请为每个单元运行一个进程。

选项：
  --title TEXT           应用程序标题；用于选择产品配置
                         （默认 &quot;%2&quot;）
  --address A            单元的地址（默认：窗口为该标题显示的地址：
                         已保存的地址，否则为配置中的地址）
  --port P               单元的 TCP 端口，1 到 65535（默认：同
                         --address）
  --debug                详细记录对话过程
  --slow                 发送每条记录前暂停 30 毫秒
  --loop N               以循环模式上传 N 次；0 表示不停止
  --save-settings        上传完成后保存地址和端口，与窗口相同
                         （默认情况下已保存的值保持不变）
  --response-timeout MS  传输期间单元 MS 毫秒未应答时放弃
                         （默认 %3）
  --json                 在标准输出上写入 JSON Lines 而不是日志：
                         start、log、phase、progress，以及一个
                         result，始终在最后
  --check                检查文件并打印其摘要（记录、数据字节、
                         地址范围、SHA-256、跳过的记录），不连接
  --expect-sha256 HEX    拒绝 SHA-256 不是 HEX 的文件
  --retries N            单元无法访问时最多再尝试连接 N 次
                         （默认 0）；一旦编程请求已发出则不再重试
  --retry-delay SECONDS  每次再尝试前暂停的秒数（默认 2）
  --public-key KEY       除非文件的签名可用 KEY 验证，否则拒绝该文件：
                         KEY 为 .pub 密钥文件或 base64 密钥本身；
                         可重复，任一密钥签名即可（默认：当窗口的
                         “仅烧录已签名的固件”开启时，使用该标题的
                         受信任密钥）
  --signature FILE       固件文件的签名（默认：固件文件名加上
                         .minisig）
  --history URL          每次尝试写入一行的烧录历史：
                         sqlite:///path/file.sqlite,
                         postgresql://user@host:port/dbname 或 off
                         （默认：FWU_HISTORY，否则为
                         ~/.local/share/FirmwareUploader/history.sqlite）；
                         无法写入的行不会改变任何结果
  --run-id ID            这些行所属的运行（工作站的运行）
  --unit-name NAME       写入这些行的单元名称
  --unit-serial TEXT     单元标签上的序列号，用于这些行和 JSON 的
                         unit_serial
  --operator NAME        运行它的操作员，用于这些行（默认：登录名）
  --firmware-origin PATH FILE.hex 的复制来源文件，在这些行和 JSON 中
                         代替 FILE.hex 出现（用于传入私有副本的前端）
  --serial-at ADDRESS:LENGTH
                         在映像的此绝对地址写入单元自己的值（序列号、
                         MAC 地址），长度为 LENGTH 字节（1 到 32；
                         十进制或 0x 十六进制）
  --serial-format FORMAT le 或 be（LENGTH 字节的数字）、ascii（十进制
                         数字）、hex（大写十六进制数字）或 bytes（值本身
                         的字节，例如 00:1A:2B:3C:4D:5E）；默认 le
  --serial-from SOURCE   从烧录历史中的号池取每个单元的值，同一个值
                         绝不使用两次：counter:START[:END]、list:FILE
                         （每行一个值）或 hexlist:FILE（每行一条
                         Intel HEX 数据记录，含其地址和数据）
  --serial VALUE         单元的值，例如来自其标签；若该值已在号池中
                         完成则拒绝
  --serial-pool NAME     值池（默认：标题）
  --serial-stale-after SECONDS
                         取出已达此时长、且从未被其上传程序确认结果的值
                         将作废（burnt），不再发出（默认 3600）
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
        <translation>  -h, --help             显示此文本
  -v, --version          显示版本

退出代码：
  %1    完成：单元已有该固件并已重启（--check：文件完好）
  %2    被单元拒绝（或单元应答的次数多于发送的记录数）
  %3    无法连接
  %4    连接中断，或单元不再应答
  %5    参数错误、地址或端口错误，固件文件无法读取、不是有效的
       Intel HEX、不是预期的映像，或没有可用 --public-key（或在
       只烧录已签名固件时，用受信任的密钥）验证的签名
  5    完成（--check：完好），但无法写入标准输出
  129  已挂断（SIGHUP：终端已关闭）
  %6  被中断（SIGINT 或 SIGTERM）
</translation>
    </message>
</context>
<context>
    <name>CliUploader</name>
    <message>
        <source>the address and port could not be saved in &quot;%1&quot;; the next run will not find them.</source>
        <translation>地址和端口无法保存到“%1”中；下次运行将找不到它们。</translation>
    </message>
    <message>
        <source>cannot write standard output: %1; the record of this run is incomplete.</source>
        <translation>无法写入标准输出：%1；本次运行的记录不完整。</translation>
    </message>
    <message>
        <source>Serial region: %1, format %2, pool &quot;%3&quot;</source>
        <translation>序列号区域：%1，格式 %2，号池“%3”</translation>
    </message>
    <message>
        <source>each hexlist record&apos;s own</source>
        <translation>每条 hexlist 记录各自的区域</translation>
    </message>
    <message>
        <source>Next value: cannot be told: %1</source>
        <translation>下一个值：无法确定：%1</translation>
    </message>
    <message>
        <source>Next value: %1</source>
        <translation>下一个值：%1</translation>
    </message>
    <message>
        <source>Patched record: %1</source>
        <translation>已修补的记录：%1</translation>
    </message>
    <message>
        <source>%1: valid Intel HEX, %2 bytes</source>
        <translation>%1：有效的 Intel HEX，%2 字节</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>签名：%1</translation>
    </message>
</context>
<context>
    <name>ClientArea</name>
    <message>
        <source>Firmware File</source>
        <translation>固件文件</translation>
    </message>
    <message>
        <source>Connection Settings</source>
        <translation>连接设置</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>The unit&apos;s network address.</extracomment>
        <translation>地址</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>The unit&apos;s TCP port number.</extracomment>
        <translation>端口</translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation>加载并启动</translation>
    </message>
    <message>
        <source>Select Firmware File...</source>
        <translation>选择固件文件...</translation>
    </message>
    <message>
        <source>Activity log</source>
        <translation>活动日志</translation>
    </message>
    <message>
        <source>What the upload did, newest line last; green after a finished upload, red after a failure</source>
        <translation>上传的过程，最新的行在最后；上传完成后显示绿色，失败后显示红色</translation>
    </message>
    <message>
        <source>Upload progress</source>
        <translation>上传进度</translation>
    </message>
    <message>
        <source>Share of the firmware file sent, and time left</source>
        <translation>固件文件已发送的比例及剩余时间</translation>
    </message>
    <message>
        <source>Click to choose the firmware file</source>
        <translation>单击以选择固件文件</translation>
    </message>
    <message>
        <source>Firmware file</source>
        <translation>固件文件</translation>
    </message>
    <message>
        <source>The chosen firmware file; click to choose another, or drop one on the window</source>
        <translation>所选的固件文件；单击可选择其他文件，或将文件拖放到窗口上</translation>
    </message>
    <message>
        <source>Where the unit is on the network</source>
        <translation>单元在网络上的位置</translation>
    </message>
    <message>
        <source>Network address of the unit</source>
        <translation>单元的网络地址</translation>
    </message>
    <message>
        <source>TCP port of the unit</source>
        <translation>单元的 TCP 端口</translation>
    </message>
    <message>
        <source>Label of the address box</source>
        <translation>地址框的标签</translation>
    </message>
    <message>
        <source>Label of the port box</source>
        <translation>端口框的标签</translation>
    </message>
    <message>
        <source>Send the chosen firmware file to the unit</source>
        <translation>将所选固件文件发送到单元</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Only signed firmware is flashed here: %1</source>
        <translation>此处只烧录已签名的固件：%1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history: %1</source>
        <translation>该次尝试不在烧录历史中：%1</translation>
    </message>
    <message>
        <source>The attempt is not in the flash history (%1).</source>
        <translation>该次尝试不在烧录历史中（%1）。</translation>
    </message>
    <message>
        <source>Stopped before it started.</source>
        <translation>在开始之前已停止。</translation>
    </message>
    <message>
        <source>no answer from %1 within %2 s</source>
        <translation>%1 在 %2 秒内没有应答</translation>
    </message>
    <message>
        <source>The uploader crashed (signal %1).</source>
        <translation>上传程序崩溃（信号 %1）。</translation>
    </message>
    <message>
        <source>The uploader ended with exit code %1 and no result.</source>
        <translation>上传程序以退出代码 %1 结束，没有结果。</translation>
    </message>
    <message>
        <source>The uploader reported exit code %1 but ended with %2.</source>
        <translation>上传程序报告的退出代码为 %1，但以 %2 结束。</translation>
    </message>
    <message>
        <source>Cannot start the uploader %1: %2</source>
        <translation>无法启动上传程序 %1：%2</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 给出了不止一次。</translation>
    </message>
    <message>
        <source>No firmware file given.</source>
        <translation>未指定固件文件。</translation>
    </message>
    <message>
        <source>One firmware file at a time; run one process per unit. Unexpected: &quot;%1&quot;.</source>
        <translation>一次只能指定一个固件文件；每个单元运行一个进程。多余的参数：“%1”。</translation>
    </message>
    <message>
        <source>The firmware file name is empty.</source>
        <translation>固件文件名为空。</translation>
    </message>
    <message>
        <source>No product profile matches the title &quot;%1&quot;; a title begins with one of %2.</source>
        <translation>没有与标题“%1”匹配的产品配置；标题须以 %2 之一开头。</translation>
    </message>
    <message>
        <source>--address needs the unit&apos;s address.</source>
        <translation>--address 需要单元的地址。</translation>
    </message>
    <message>
        <source>--port: %1.</source>
        <translation>--port：%1。</translation>
    </message>
    <message>
        <source>--loop needs a whole number of uploads (0 for no end), not &quot;%1&quot;.</source>
        <translation>--loop 需要一个整数表示上传次数（0 表示不停止），而不是“%1”。</translation>
    </message>
    <message>
        <source>--response-timeout needs a whole number of milliseconds from 1 up, not &quot;%1&quot;.</source>
        <translation>--response-timeout 需要一个从 1 起的整数毫秒数，而不是“%1”。</translation>
    </message>
    <message>
        <source>--expect-sha256 needs the 64 hexadecimal digits of a SHA-256, not &quot;%1&quot;.</source>
        <translation>--expect-sha256 需要 SHA-256 的 64 位十六进制数字，而不是“%1”。</translation>
    </message>
    <message>
        <source>--retries needs a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>--retries 需要 0 到 %1 之间的整数，而不是“%2”。</translation>
    </message>
    <message>
        <source>--retry-delay needs a number of seconds from 0 to %1 (e.g. 2 or 0.5), not &quot;%2&quot;.</source>
        <translation>--retry-delay 需要 0 到 %1 之间的秒数（例如 2 或 0.5），而不是“%2”。</translation>
    </message>
    <message>
        <source>--public-key needs a key file or a base64 key.</source>
        <translation>--public-key 需要密钥文件或 base64 格式的密钥。</translation>
    </message>
    <message>
        <source>--signature needs the signature file&apos;s name.</source>
        <translation>--signature 需要签名文件的名称。</translation>
    </message>
    <message>
        <source>--signature is checked against --public-key; give the key that signed.</source>
        <translation>--signature 需要用 --public-key 校验；请提供签名所用的密钥。</translation>
    </message>
    <message>
        <source>--history: %1.</source>
        <translation>--history：%1。</translation>
    </message>
    <message>
        <source>--firmware-origin needs the path of the file the copy was made from.</source>
        <translation>--firmware-origin 需要副本所来自的文件的路径。</translation>
    </message>
    <message>
        <source>--serial-stale-after needs a whole number of seconds from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--serial-stale-after 需要 1 到 %1 之间的整数秒数，而不是“%2”。</translation>
    </message>
    <message>
        <source>--serial and --serial-from both give the unit&apos;s value; give one.</source>
        <translation>--serial 和 --serial-from 都给出了单元的值；请只用其中一个。</translation>
    </message>
    <message>
        <source>Say where the unit&apos;s value comes from: --serial-from SOURCE or --serial VALUE.</source>
        <translation>请说明单元的值从何而来：--serial-from SOURCE 或 --serial VALUE。</translation>
    </message>
    <message>
        <source>--serial needs the unit&apos;s value.</source>
        <translation>--serial 需要单元的值。</translation>
    </message>
    <message>
        <source>--serial-at ADDRESS:LENGTH is needed: where the unit&apos;s value goes in the image.</source>
        <translation>需要 --serial-at ADDRESS:LENGTH：单元的值在映像中的位置。</translation>
    </message>
    <message>
        <source>--serial-format: %1</source>
        <translation>--serial-format：%1</translation>
    </message>
    <message>
        <source>--serial-at: %1</source>
        <translation>--serial-at：%1</translation>
    </message>
    <message>
        <source>--serial: %1</source>
        <translation>--serial：%1</translation>
    </message>
    <message>
        <source>--serial-from: %1</source>
        <translation>--serial-from：%1</translation>
    </message>
    <message>
        <source>--serial-from takes its values from a pool in the flash history, and the history is off: give --history, or one value with --serial.</source>
        <translation>--serial-from 从烧录历史中的号池取值，而烧录历史已关闭：请提供 --history，或用 --serial 给出一个值。</translation>
    </message>
    <message>
        <source>The image has a signature file that cannot be read (%1): where the signer allows per-unit data cannot be told.</source>
        <translation>映像的签名文件无法读取（%1）：无法判断签名者允许在何处写入每个单元的数据。</translation>
    </message>
    <message>
        <source>The signed image allows per-unit data only in %1; %2 is outside.</source>
        <translation>已签名的映像只允许在 %1 中写入每个单元的数据；%2 在此范围之外。</translation>
    </message>
    <message>
        <source>The pool of values cannot be reached: %1</source>
        <translation>无法访问值池：%1</translation>
    </message>
    <message>
        <source>The pool &quot;%1&quot; handed out &quot;%2&quot;, which its source does not hold.</source>
        <translation>号池“%1”发出了“%2”，但其来源中没有该值。</translation>
    </message>
    <message>
        <source>The value &quot;%1&quot; does not fit %2.</source>
        <translation>值“%1”无法放入 %2。</translation>
    </message>
    <message>
        <source>The pool could not be told that %1 is %2: %3</source>
        <translation>无法告知号池 %1 已变为 %2：%3</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;), but no key is trusted there: add one, or give --public-key.</source>
        <translation>“%1”已开启“仅烧录已签名的固件”（窗口的 文件 &gt; 受信任的密钥，保存在“%2”中），但那里没有受信任的密钥：请添加一个，或提供 --public-key。</translation>
    </message>
    <message>
        <source>&quot;Flash only signed firmware&quot; is on for &quot;%1&quot; (the window&apos;s File &gt; Trusted Keys, kept in &quot;%2&quot;): %3</source>
        <translation>“%1”已开启“仅烧录已签名的固件”（窗口的 文件 &gt; 受信任的密钥，保存在“%2”中）：%3</translation>
    </message>
    <message>
        <source>cannot create a scratch folder: %1</source>
        <translation>无法创建临时文件夹：%1</translation>
    </message>
    <message>
        <source>no address is saved or known for &quot;%1&quot;: give --address.</source>
        <translation>没有为“%1”保存或已知的地址：请提供 --address。</translation>
    </message>
    <message>
        <source>no port is saved or known for &quot;%1&quot;: give --port.</source>
        <translation>没有为“%1”保存或已知的端口：请提供 --port。</translation>
    </message>
    <message>
        <source>could not connect to the unit at %1 port %2.</source>
        <translation>无法连接到 %1 端口 %2 上的单元。</translation>
    </message>
    <message>
        <source>the attempt failed; the log says why.</source>
        <translation>尝试失败；原因见日志。</translation>
    </message>
    <message>
        <source>hung up; the connection to the unit is closed.</source>
        <translation>已挂断；与单元的连接已关闭。</translation>
    </message>
    <message>
        <source>interrupted; the connection to the unit is closed.</source>
        <translation>已中断；与单元的连接已关闭。</translation>
    </message>
    <message>
        <source>Could not connect; try %1 of %2 in %3 seconds.</source>
        <translation>无法连接；%3 秒后进行第 %1 次尝试（共 %2 次）。</translation>
    </message>
    <message>
        <source>Serial value %1 from pool &quot;%2&quot;.</source>
        <translation>序列值 %1，来自号池“%2”。</translation>
    </message>
    <message>
        <source>cannot open the firmware file &quot;%1&quot;: %2</source>
        <translation>无法打开固件文件“%1”：%2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <translation>固件文件“%1”不是有效的 Intel HEX：%2</translation>
    </message>
    <message>
        <source>the firmware file &quot;%1&quot; is not the expected image: its SHA-256 is %2, expected %3.</source>
        <translation>固件文件“%1”不是预期的映像：其 SHA-256 为 %2，预期为 %3。</translation>
    </message>
    <message>
        <source>FWU_TIME_SCALE must be a number above 0 and at most 1, not &quot;%1&quot;.</source>
        <translation>FWU_TIME_SCALE 必须是大于 0 且不超过 1 的数，而不是“%1”。</translation>
    </message>
    <message>
        <source>the history &quot;%1&quot; cannot be used: %2</source>
        <translation>无法使用历史“%1”：%2</translation>
    </message>
    <message>
        <source>an SQLite history needs an absolute file name, as in sqlite:///path/history.sqlite</source>
        <translation>SQLite 历史需要绝对文件名，例如 sqlite:///path/history.sqlite</translation>
    </message>
    <message>
        <source>give sqlite:///path/file.sqlite, postgresql://user@host:port/dbname or off</source>
        <translation>请提供 sqlite:///path/file.sqlite、postgresql://user@host:port/dbname 或 off</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key=value pair</source>
        <translation>“%1”不是 key=value 对</translation>
    </message>
    <message>
        <source>one server only</source>
        <translation>只能指定一个服务器</translation>
    </message>
    <message>
        <source>an IPv6 address without its closing bracket</source>
        <translation>IPv6 地址缺少右方括号</translation>
    </message>
    <message>
        <source>unexpected text after the IPv6 address</source>
        <translation>IPv6 地址后有多余的文本</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>端口必须是 1 到 65535 之间的数字，而不是“%1”</translation>
    </message>
    <message>
        <source>the parameter &quot;%1&quot; cannot be passed on</source>
        <translation>参数“%1”无法传递</translation>
    </message>
    <message>
        <source>the history has schema version %1, newer than this program&apos;s %2; it is left as it is: use a newer release of the program</source>
        <translation>历史的架构版本为 %1，比本程序的 %2 更新；保持原样：请使用本程序的较新版本</translation>
    </message>
    <message>
        <source>the history has attempts but no schema_version table</source>
        <translation>历史中有尝试记录，但没有 schema_version 表</translation>
    </message>
    <message>
        <source>the schema_version table holds no version</source>
        <translation>schema_version 表中没有版本</translation>
    </message>
    <message>
        <source>the history at %1: %2</source>
        <translation>位于 %1 的历史：%2</translation>
    </message>
    <message>
        <source>there is no history file</source>
        <translation>没有历史文件</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>cannot create the file: %1</source>
        <translation>无法创建文件：%1</translation>
    </message>
    <message>
        <source>the history file is a symbolic link; give the file itself</source>
        <translation>历史文件是符号链接；请给出文件本身</translation>
    </message>
    <message>
        <source>the history is not a file</source>
        <translation>历史不是文件</translation>
    </message>
    <message>
        <source>the Qt SQL driver %1 is not installed</source>
        <translation>未安装 Qt SQL 驱动 %1</translation>
    </message>
    <message>
        <source>the history is off</source>
        <translation>历史已关闭</translation>
    </message>
    <message>
        <source>serial pool %1 holds %2, not %3</source>
        <translation>序列号池 %1 中有 %2，而不是 %3</translation>
    </message>
    <message>
        <source>serial pool %1 is used up: last number %2</source>
        <translation>序列号池 %1 已用完：最后一个编号为 %2</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 was taken meanwhile; try again</source>
        <translation>号池 %2 中的序列号 %1 在此期间已被取走；请重试</translation>
    </message>
    <message>
        <source>serial %1 already finished in pool %2</source>
        <translation>序列号 %1 已在号池 %2 中完成</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is being written to %3 from %4</source>
        <translation>号池 %2 中的序列号 %1 正由 %4 写入 %3</translation>
    </message>
    <message>
        <source>a number ends used, burnt or returned</source>
        <translation>编号以 used、burnt 或 returned 结束</translation>
    </message>
    <message>
        <source>serial %1 is not in pool %2</source>
        <translation>序列号 %1 不在号池 %2 中</translation>
    </message>
    <message>
        <source>serial %1 in pool %2 is %3 for attempt %4, not held by attempt %5; it is left as it is</source>
        <translation>号池 %2 中的序列号 %1 对尝试 %4 为 %3，并非由尝试 %5 持有；保持原样</translation>
    </message>
    <message>
        <source>Address and port not saved: cannot write %1</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>地址和端口未保存：无法写入 %1</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>已打开</translation>
    </message>
    <message>
        <source>Listening</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>正在监听</translation>
    </message>
    <message>
        <source>Connection pending</source>
        <translation>连接等待中</translation>
    </message>
    <message>
        <source>Resolving %1</source>
        <extracomment>%1 is the unit&apos;s host name, being looked up</extracomment>
        <translation>正在解析 %1</translation>
    </message>
    <message>
        <source>Resolved %1</source>
        <extracomment>%1 is the unit&apos;s host name, looked up</extracomment>
        <translation>已解析 %1</translation>
    </message>
    <message>
        <source>Connecting to %1</source>
        <translation>正在连接 %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>已连接到 %1</translation>
    </message>
    <message>
        <source>%1 is closing the connection</source>
        <translation>%1 正在关闭连接</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>The state of the connection to the unit</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Unknown state</source>
        <translation>未知状态</translation>
    </message>
    <message>
        <source>port &quot;%1&quot; is not a whole number from %2 to %3</source>
        <extracomment>Part of a sentence that says what is wrong; %1 is the text given as the port</extracomment>
        <translation>端口“%1”不是 %2 到 %3 之间的整数</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot; is not a whole number from %2 to %3.</source>
        <extracomment>%1 is the text given as the port</extracomment>
        <translation>端口“%1”不是 %2 到 %3 之间的整数。</translation>
    </message>
    <message>
        <source>Ethernet Error%1</source>
        <extracomment>%1 is the error number with a space or a minus sign in front of it (&quot; 10061&quot;, &quot;-5&quot;)</extracomment>
        <translation>以太网错误%1</translation>
    </message>
    <message>
        <source>Hint: Found device but port was not availaible. Verify port number.</source>
        <translation>提示：已找到设备，但端口不可用。请检查端口号。</translation>
    </message>
    <message>
        <source>Hint: Verify Ethernet Interface is configured as &apos;TCP Server&apos;.</source>
        <translation>提示：请确认以太网接口已配置为“TCP Server”。</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, so it cannot be opened by that name; rename the file</source>
        <translation>文件名不是有效的 UTF-8，无法按此名称打开；请重命名该文件</translation>
    </message>
    <message>
        <source>its symbolic links form a loop</source>
        <translation>其符号链接构成了循环</translation>
    </message>
    <message>
        <source>a folder on its path cannot be searched (permission denied)</source>
        <translation>其路径上的某个文件夹无法访问（权限被拒绝）</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist</source>
        <translation>这是指向不存在文件的符号链接</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>无法打开“%1”：%2。</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>the file is %1 bytes, more than any firmware image (at most %2 bytes)</source>
        <translation>文件大小为 %1 字节，超过任何固件映像（最多 %2 字节）</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>Firmware Files (*.hex)|*.hex</source>
        <extracomment>A file type and its pattern: keep &quot;(*.hex)|*.hex&quot; as it is.</extracomment>
        <translation>固件文件 (*.hex)|*.hex</translation>
    </message>
    <message>
        <source>Loading firmware file, please wait...</source>
        <translation>正在加载固件文件，请稍候...</translation>
    </message>
    <message>
        <source>the file holds a public key, not a signature.</source>
        <translation>该文件包含的是公钥，不是签名。</translation>
    </message>
    <message>
        <source>a signature file has 4 lines, this one has %1.</source>
        <translation>签名文件应有 4 行，此文件有 %1 行。</translation>
    </message>
    <message>
        <source>the signature file does not begin with &quot;untrusted comment:&quot;.</source>
        <translation>签名文件不以“untrusted comment:”开头。</translation>
    </message>
    <message>
        <source>the third line of the signature file is not a &quot;trusted comment: &quot;.</source>
        <translation>签名文件的第三行不是“trusted comment: ”。</translation>
    </message>
    <message>
        <source>the signature</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>the global signature</source>
        <translation>全局签名</translation>
    </message>
    <message>
        <source>the signature algorithm &quot;%1&quot; is unknown (hex %2).</source>
        <translation>签名算法“%1”未知（十六进制 %2）。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Records to send: %1</source>
        <translation>要发送的记录：%1</translation>
    </message>
    <message>
        <source>Data bytes: %1</source>
        <translation>数据字节：%1</translation>
    </message>
    <message>
        <source>Address ranges: %1 and %2 more</source>
        <translation>地址范围：%1 及另外 %2 个</translation>
    </message>
    <message>
        <source>Address ranges: %1</source>
        <translation>地址范围：%1</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256：%1</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address range; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>以不同字节写入两次：%1 个地址范围；单元按文件顺序接收记录，因此保留的是后一行的字节：</translation>
    </message>
    <message>
        <source>Written twice with different bytes: %1 address ranges; the unit receives the records in file order, so the later line&apos;s bytes are the ones it keeps:</source>
        <translation>以不同字节写入两次：%1 个地址范围；单元按文件顺序接收记录，因此保留的是后一行的字节：</translation>
    </message>
    <message>
        <source>  %1: line %2, then line %3</source>
        <translation>  %1：第 %2 行，然后第 %3 行</translation>
    </message>
    <message>
        <source>  and %1 more</source>
        <translation>  及另外 %1 个</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): none</source>
        <translation>跳过（加载地址 FC00 到 FFFF）：无</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 record, line %2</source>
        <translation>跳过（加载地址 FC00 到 FFFF）：%1 条记录，第 %2 行</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2</source>
        <translation>跳过（加载地址 FC00 到 FFFF）：%1 条记录，第 %2 行</translation>
    </message>
    <message>
        <source>Passed over (load address FC00 to FFFF): %1 records, lines %2 and %3 more</source>
        <translation>跳过（加载地址 FC00 到 FFFF）：%1 条记录，第 %2 行及另外 %3 行</translation>
    </message>
    <message>
        <source>data</source>
        <extracomment>The kind of an Intel HEX record of type 00.</extracomment>
        <translation>数据</translation>
    </message>
    <message>
        <source>end of file</source>
        <translation>文件结束</translation>
    </message>
    <message>
        <source>extended segment address</source>
        <translation>扩展段地址</translation>
    </message>
    <message>
        <source>start segment address</source>
        <translation>起始段地址</translation>
    </message>
    <message>
        <source>extended linear address</source>
        <translation>扩展线性地址</translation>
    </message>
    <message>
        <source>start linear address</source>
        <translation>起始线性地址</translation>
    </message>
    <message>
        <source>character &apos;%1&apos;</source>
        <translation>字符“%1”</translation>
    </message>
    <message>
        <source>a space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>byte 0x%1</source>
        <translation>字节 0x%1</translation>
    </message>
    <message>
        <source>longer than any record can be (at most %1 characters)</source>
        <translation>比任何记录可能的长度都长（最多 %1 个字符）</translation>
    </message>
    <message>
        <source>does not start with &apos;:&apos; but with %1</source>
        <translation>不是以“:”开头，而是以 %1 开头</translation>
    </message>
    <message>
        <source>%1 at column %2 is not a hexadecimal digit</source>
        <translation>第 %2 列的 %1 不是十六进制数字</translation>
    </message>
    <message>
        <source>too short for a record (%1 characters, at least 11 needed)</source>
        <translation>太短，不能构成记录（%1 个字符，至少需要 11 个）</translation>
    </message>
    <message>
        <source>has an odd number of hexadecimal digits (%1)</source>
        <translation>十六进制数字的个数为奇数（%1）</translation>
    </message>
    <message>
        <source>byte count says %1 data bytes, but the line holds %2</source>
        <translation>字节计数为 %1 个数据字节，但该行包含 %2 个</translation>
    </message>
    <message>
        <source>checksum is %1, should be %2</source>
        <translation>校验和为 %1，应为 %2</translation>
    </message>
    <message>
        <source>record type %1 is unknown (known types are 00 to 05)</source>
        <translation>记录类型 %1 未知（已知类型为 00 到 05）</translation>
    </message>
    <message>
        <source>type %1 (%2) must carry %3 data bytes, this one carries %4</source>
        <translation>类型 %1（%2）必须携带 %3 个数据字节，此记录携带 %4 个</translation>
    </message>
    <message>
        <source>starts with a UTF-8 byte-order mark (bytes EF BB BF); save the file without it</source>
        <translation>以 UTF-8 字节顺序标记（字节 EF BB BF）开头；请保存不带该标记的文件</translation>
    </message>
    <message>
        <source>holds a DOS end-of-file byte (Ctrl-Z, 1A) at column %1; remove it</source>
        <translation>第 %1 列含有 DOS 文件结束字节（Ctrl-Z，1A）；请将其删除</translation>
    </message>
    <message>
        <source>holds only blanks (spaces or tabs); remove them</source>
        <translation>只含有空白（空格或制表符）；请将其删除</translation>
    </message>
    <message>
        <source>ends in blanks (spaces or tabs) from column %1; remove them</source>
        <translation>从第 %1 列起以空白（空格或制表符）结尾；请将其删除</translation>
    </message>
    <message>
        <source>line %1: a record follows the end-of-file record of line %2</source>
        <translation>第 %1 行：第 %2 行的文件结束记录之后还有记录</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the file holds no records, only empty lines</source>
        <translation>文件不含记录，只有空行</translation>
    </message>
    <message>
        <source>the file does not end with an end-of-file record (type 01): its last record, on line %1, is type %2</source>
        <translation>文件未以文件结束记录（类型 01）结尾：其最后一条记录在第 %1 行，类型为 %2</translation>
    </message>
    <message>
        <source>line %1: the end-of-file record loads at FC00 to FFFF, where records are never sent</source>
        <translation>第 %1 行：文件结束记录加载在 FC00 到 FFFF，那里的记录永远不会发送</translation>
    </message>
    <message>
        <source>the file holds no data that would be sent (records at FC00 to FFFF are never sent): the unit would be left without firmware</source>
        <translation>文件中没有会被发送的数据（FC00 到 FFFF 的记录永远不会发送）：单元将没有固件</translation>
    </message>
    <message>
        <source>%1 is not valid base64.</source>
        <translation>%1 不是有效的 base64。</translation>
    </message>
    <message>
        <source>%1 has %2 bytes instead of %3.</source>
        <translation>%1 有 %2 个字节，而不是 %3 个。</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is a folder.</source>
        <translation>%1“%2”是文件夹。</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a regular file.</source>
        <translation>%1“%2”不是普通文件。</translation>
    </message>
    <message>
        <source>cannot read %1 &quot;%2&quot;: %3</source>
        <translation>无法读取%1“%2”：%3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is larger than %3 bytes.</source>
        <translation>%1“%2”大于 %3 字节。</translation>
    </message>
    <message>
        <source>a public key is one base64 line, after an optional &quot;untrusted comment:&quot; line.</source>
        <translation>公钥是一行 base64，前面可以有一行“untrusted comment:”。</translation>
    </message>
    <message>
        <source>the public key</source>
        <translation>公钥</translation>
    </message>
    <message>
        <source>the public key is not an Ed25519 key (algorithm &quot;%1&quot;).</source>
        <translation>该公钥不是 Ed25519 密钥（算法“%1”）。</translation>
    </message>
    <message>
        <source>the public key file</source>
        <translation>公钥文件</translation>
    </message>
    <message>
        <source>no file by that name, and %1</source>
        <translation>没有该名称的文件，而且%1</translation>
    </message>
    <message>
        <source>the public key &quot;%1&quot; cannot be used: %2</source>
        <translation>无法使用公钥“%1”：%2</translation>
    </message>
    <message>
        <source>the signature file</source>
        <translation>签名文件</translation>
    </message>
    <message>
        <source>the firmware is not signed: %1</source>
        <translation>固件未签名：%1</translation>
    </message>
    <message>
        <source>the signature &quot;%1&quot; is refused: %2</source>
        <translation>签名“%1”被拒绝：%2</translation>
    </message>
    <message>
        <source>the signature library could not start.</source>
        <translation>签名库无法启动。</translation>
    </message>
    <message>
        <source>it was made with key %1, which is not trusted here (trusted: %2).</source>
        <translation>它是用密钥 %1 生成的，该密钥在此不受信任（受信任的：%2）。</translation>
    </message>
    <message>
        <source>it does not match the firmware: the image is not the one key %1 signed.</source>
        <translation>它与固件不符：该映像不是密钥 %1 所签名的映像。</translation>
    </message>
    <message>
        <source>its trusted comment is not the one key %1 signed.</source>
        <translation>其受信任的注释不是密钥 %1 所签名的注释。</translation>
    </message>
    <message>
        <source>Signed by key %1: %2</source>
        <translation>由密钥 %1 签名：%2</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>没有到主机的路由</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>网络不可达</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>连接被对方重置</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>管道已断开 (broken pipe)</translation>
    </message>
    <message>
        <source>Software caused connection abort</source>
        <translation>软件导致连接中止</translation>
    </message>
    <message>
        <source>Cannot assign requested address</source>
        <translation>无法分配请求的地址</translation>
    </message>
    <message>
        <source>Address already in use</source>
        <translation>地址已被使用</translation>
    </message>
    <message>
        <source>Host is down</source>
        <translation>主机已关闭</translation>
    </message>
    <message>
        <source>Network is down</source>
        <translation>网络已断开</translation>
    </message>
    <message>
        <source>Network dropped connection on reset</source>
        <translation>网络在重置时断开了连接</translation>
    </message>
    <message>
        <source>Address family not supported by protocol</source>
        <translation>协议不支持该地址族</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许的操作</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>打开的文件过多</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>系统中打开的文件过多</translation>
    </message>
    <message>
        <source>No buffer space available</source>
        <translation>没有可用的缓冲区空间</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>无法分配内存</translation>
    </message>
    <message>
        <source>System error %1</source>
        <extracomment>The words for a system error number when the system&apos;s own cannot be had</extracomment>
        <translation>系统错误 %1</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>找不到主机</translation>
    </message>
    <message>
        <source>an IPv4 address is four numbers from 0 to 255 separated by dots, such as 192.168.1.50</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>IPv4 地址由四个 0 到 255 之间的数字组成，以点分隔，例如 192.168.1.50</translation>
    </message>
    <message>
        <source>write the numbers without leading zeros, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>请去掉数字前面的零，写成 %1</translation>
    </message>
    <message>
        <source>a host name is letters, digits and hyphens, in parts separated by dots</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>主机名由字母、数字和连字符组成，各部分以点分隔</translation>
    </message>
    <message>
        <source>enter the unit&apos;s IPv4 address or host name</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;, as the rest of that sentence</extracomment>
        <translation>请输入单元的 IPv4 地址或主机名</translation>
    </message>
    <message>
        <source>write the address without the dot at its end, as %1</source>
        <extracomment>Said after &quot;Address &quot;…&quot; is not valid:&quot;; %1 is the address as it should be written</extracomment>
        <translation>请去掉地址末尾的点，写成 %1</translation>
    </message>
    <message>
        <source>the region %1: %2 not in the image&apos;s data</source>
        <translation>区域 %1：%2 不在映像的数据中</translation>
    </message>
    <message>
        <source>the region %1: line %2 writes to it but loads at FC00-FFFF, where records are never sent</source>
        <translation>区域 %1：第 %2 行写入该区域，但加载在 FC00-FFFF，那里的记录永远不会发送</translation>
    </message>
    <message>
        <source>the region %1 is not 1 to %2 bytes long</source>
        <translation>区域 %1 的长度不在 1 到 %2 字节之间</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no format; the formats are le, be, ascii, hex and bytes</source>
        <translation>“%1”不是格式；格式有 le、be、ascii、hex 和 bytes</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 bytes of format %3 (the largest is %4)</source>
        <translation>%1 无法放入格式为 %3 的 %2 个字节中（最大为 %4）</translation>
    </message>
    <message>
        <source>the length is %1 bytes; it must be 1 to %2</source>
        <translation>长度为 %1 字节；必须在 1 到 %2 之间</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos;</source>
        <translation>值“%1”</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; is not bytes written as 00:1A:2B or 001A2B</source>
        <translation>值“%1”不是写成 00:1A:2B 或 001A2B 形式的字节</translation>
    </message>
    <message>
        <source>the value &apos;%1&apos; has %2 bytes, the region %3</source>
        <translation>值“%1”有 %2 个字节，而区域为 %3 个字节</translation>
    </message>
    <message>
        <source>%1 has no digits</source>
        <translation>%1 没有数字</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a hexadecimal digit</source>
        <translation>%1 含有“%2”，不是十六进制数字</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a decimal digit</source>
        <translation>%1 含有“%2”，不是十进制数字</translation>
    </message>
    <message>
        <source>%1 is larger than %2, the largest number taken</source>
        <translation>%1 大于所取的最大编号 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not ADDRESS:LENGTH (e.g. 0x7FF0:4)</source>
        <translation>“%1”不是 ADDRESS:LENGTH（例如 0x7FF0:4）</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>the region %1 reaches past 0xFFFFFFFF, the highest address</source>
        <translation>区域 %1 超出了最高地址 0xFFFFFFFF</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no source; the sources are counter:START[:END], list:FILE and hexlist:FILE</source>
        <translation>“%1”不是来源；来源有 counter:START[:END]、list:FILE 和 hexlist:FILE</translation>
    </message>
    <message>
        <source>cannot read the %1 file &apos;%2&apos;: %3</source>
        <translation>无法读取 %1 文件“%2”：%3</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>未指定文件名</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos; is larger than %3 MiB</source>
        <translation>%1 文件“%2”大于 %3 MiB</translation>
    </message>
    <message>
        <source>the %1 file &apos;%2&apos;: %3</source>
        <translation>%1 文件“%2”：%3</translation>
    </message>
    <message>
        <source>the counter&apos;s START</source>
        <translation>计数器的 START</translation>
    </message>
    <message>
        <source>the counter&apos;s END</source>
        <translation>计数器的 END</translation>
    </message>
    <message>
        <source>the counter&apos;s END %1 is below its START %2</source>
        <translation>计数器的 END %1 小于其 START %2</translation>
    </message>
    <message>
        <source>larger than %1 MiB</source>
        <translation>大于 %1 MiB</translation>
    </message>
    <message>
        <source>line %1 is longer than %2 bytes</source>
        <translation>第 %1 行超过 %2 字节</translation>
    </message>
    <message>
        <source>holds no values</source>
        <translation>没有任何值</translation>
    </message>
    <message>
        <source>line %1: a record of type %2, not a data record (00)</source>
        <translation>第 %1 行：类型为 %2 的记录，不是数据记录 (00)</translation>
    </message>
    <message>
        <source>line %1: the record carries %2 data bytes; it must carry 1 to %3</source>
        <translation>第 %1 行：该记录携带 %2 个数据字节；必须为 1 到 %3 个</translation>
    </message>
    <message>
        <source>line %1 repeats the record of line %2</source>
        <translation>第 %1 行重复了第 %2 行的记录</translation>
    </message>
    <message>
        <source>the values need a region (ADDRESS:LENGTH) to go to</source>
        <translation>这些值需要写入的区域 (ADDRESS:LENGTH)</translation>
    </message>
    <message>
        <source>the counter&apos;s START: %1</source>
        <translation>计数器的 START：%1</translation>
    </message>
    <message>
        <source>the counter&apos;s END: %1</source>
        <translation>计数器的 END：%1</translation>
    </message>
    <message>
        <source>line %1 repeats the value %2 of line %3</source>
        <translation>第 %1 行重复了第 %3 行的值 %2</translation>
    </message>
    <message>
        <source>the source holds %1 values, none numbered %2</source>
        <translation>来源中有 %1 个值，没有编号为 %2 的值</translation>
    </message>
    <message>
        <source>line %1: the record writes %2 bytes at %3, which is not the region %4</source>
        <translation>第 %1 行：该记录在 %3 处写入 %2 个字节，不是区域 %4</translation>
    </message>
    <message>
        <source>the signature declares no region for per-unit data (serial-at=ADDRESS:LENGTH)</source>
        <translation>签名未声明用于每个单元数据的区域 (serial-at=ADDRESS:LENGTH)</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>It took %1 mS to connect.</source>
        <extracomment>%1 is a number of milliseconds (no digits when under one)</extracomment>
        <translation>连接用时 %1 mS。</translation>
    </message>
    <message>
        <source>After %1 mS, I gave up!</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>%1 mS 后放弃！</translation>
    </message>
    <message>
        <source>Could not establish connection to %1</source>
        <translation>无法与 %1 建立连接</translation>
    </message>
    <message>
        <source>Unit address %1, port %2.</source>
        <translation>单元地址 %1，端口 %2。</translation>
    </message>
    <message>
        <source>Could not establish connection to %1, port %2.</source>
        <translation>无法与 %1 端口 %2 建立连接。</translation>
    </message>
    <message>
        <source>Address &quot;%1&quot; is not valid: %2.</source>
        <extracomment>%2 says what is wrong with the address and what to do</extracomment>
        <translation>地址“%1”无效：%2。</translation>
    </message>
    <message>
        <source>Connected to %1 port %2.</source>
        <translation>已连接到 %1 端口 %2。</translation>
    </message>
    <message>
        <source>Unit not responding!</source>
        <translation>单元无响应！</translation>
    </message>
    <message>
        <source>Checking connection at %1 mS...</source>
        <extracomment>%1 is a number of milliseconds</extracomment>
        <translation>正在检查连接，已用 %1 mS...</translation>
    </message>
    <message>
        <source>No product profile matches the application title &quot;%1&quot;.</source>
        <translation>没有与应用程序标题“%1”匹配的产品配置。</translation>
    </message>
    <message>
        <source>Sending firmware...</source>
        <translation>正在发送固件...</translation>
    </message>
    <message>
        <source>(none chosen)</source>
        <extracomment>Stands for the firmware file&apos;s name when none has been chosen</extracomment>
        <translation>（未选择）</translation>
    </message>
    <message>
        <source>no file chosen</source>
        <extracomment>Why the firmware file cannot be opened, when none has been chosen</extracomment>
        <translation>未选择文件</translation>
    </message>
    <message>
        <source>Cannot open the firmware file &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it cannot be opened</extracomment>
        <translation>无法打开固件文件“%1”：%2</translation>
    </message>
    <message>
        <source>The firmware file &quot;%1&quot; is not valid Intel HEX: %2</source>
        <extracomment>%2 is what is wrong with the file</extracomment>
        <translation>固件文件“%1”不是有效的 Intel HEX：%2</translation>
    </message>
    <message>
        <source>Stopped by the operator.</source>
        <translation>已被操作员停止。</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <extracomment>%1 is the number of uploads finished in loop mode</extracomment>
        <translation>循环次数：%1</translation>
    </message>
    <message>
        <source>Upload complete.</source>
        <translation>上传完成。</translation>
    </message>
    <message>
        <source>Upload complete, %1 seconds.</source>
        <translation>上传完成，用时 %1 秒。</translation>
    </message>
    <message>
        <source>Writing firmware, DO NOT REMOVE POWER!</source>
        <translation>正在写入固件，请勿断电！</translation>
    </message>
    <message>
        <source>Waiting for unit to reboot....</source>
        <translation>正在等待单元重启....</translation>
    </message>
    <message>
        <source>Done!  Unit is ready to use.</source>
        <translation>完成！单元已可以使用。</translation>
    </message>
    <message>
        <source>Disconnecting from %1</source>
        <translation>正在断开与 %1 的连接</translation>
    </message>
    <message>
        <source>1 second</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;</extracomment>
        <translation>1 秒</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <extracomment>A time limit, said in &quot;no response for %1.&quot;; %1 is a whole number other than one</extracomment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>The connection to the unit was lost.</source>
        <translation>与单元的连接已中断。</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: %1.</source>
        <extracomment>%1 is the system&apos;s description of the error</extracomment>
        <translation>与单元的连接已中断：%1。</translation>
    </message>
    <message>
        <source>The unit sent %1 bytes of answers that were never asked for; the upload was stopped.</source>
        <translation>单元发送了 %1 字节从未请求过的应答；上传已停止。</translation>
    </message>
    <message>
        <source>Dropped %1 bytes of answers that were never asked for.</source>
        <translation>已丢弃 %1 字节从未请求过的应答。</translation>
    </message>
    <message>
        <source>The connection to the unit was lost: the unit closed it.</source>
        <translation>与单元的连接已中断：单元关闭了连接。</translation>
    </message>
    <message>
        <source>The unit did not answer the last record within %1: it may not have the whole firmware.</source>
        <extracomment>%1 is a time such as &quot;5 seconds&quot;</extracomment>
        <translation>单元未在 %1 内应答最后一条记录：它可能没有收到完整的固件。</translation>
    </message>
    <message>
        <source>The unit stopped answering: no response for %1.</source>
        <extracomment>%1 is a time such as &quot;60 seconds&quot;</extracomment>
        <translation>单元不再应答：%1 内没有响应。</translation>
    </message>
    <message>
        <source>NAK - Incorrect Checksum</source>
        <extracomment>The unit&apos;s refusal of a record whose checksum is wrong</extracomment>
        <translation>NAK - 校验和错误</translation>
    </message>
    <message>
        <source>NAK - Incorrect Product Code</source>
        <extracomment>The unit&apos;s refusal of firmware made for another product</extracomment>
        <translation>NAK - 产品代码错误</translation>
    </message>
    <message>
        <source>NAK - Incorrect Record Type</source>
        <extracomment>The unit&apos;s refusal of a record of a type it does not take</extracomment>
        <translation>NAK - 记录类型错误</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The unit&apos;s answer that it did not understand what it was sent</extracomment>
        <translation>未知</translation>
    </message>
    <message>
        <source>From Unit %1</source>
        <extracomment>%1 is the bytes received, in hexadecimal, after a space</extracomment>
        <translation>来自单元 %1</translation>
    </message>
    <message>
        <source>Incomplete response from device</source>
        <translation>来自单元的响应不完整</translation>
    </message>
    <message>
        <source>Spurrious byte</source>
        <extracomment>A byte from the unit that is not part of any answer</extracomment>
        <translation>多余字节</translation>
    </message>
    <message>
        <source>Unrecognised response from unit %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>无法识别的单元响应 %1</translation>
    </message>
    <message>
        <source>Answer before the transfer began, discarded: %1</source>
        <extracomment>%1 is the answer&apos;s bytes in hexadecimal</extracomment>
        <translation>传输开始前的应答，已丢弃：%1</translation>
    </message>
    <message>
        <source>ACK from unit</source>
        <translation>来自单元的 ACK</translation>
    </message>
    <message>
        <source>Surplus ACK dropped: it answers no record.</source>
        <translation>已丢弃多余的 ACK：它不对应任何记录。</translation>
    </message>
    <message>
        <source>%1 dropped: the attempt is already ending.</source>
        <extracomment>%1 is the unit&apos;s refusal, such as &quot;NAK - Incorrect Checksum&quot;</extracomment>
        <translation>已丢弃 %1：本次尝试已在结束。</translation>
    </message>
    <message>
        <source>Device responded with an error.  Please try again.</source>
        <translation>单元返回了错误。请重试。</translation>
    </message>
    <message>
        <source>The unit refused %1.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;</extracomment>
        <translation>单元拒绝了 %1。</translation>
    </message>
    <message>
        <source>The unit refused %1: %2.</source>
        <extracomment>%1 is &quot;the programming request&quot; or &quot;record …, line … of the file&quot;; %2 the refusal</extracomment>
        <translation>单元拒绝了 %1：%2。</translation>
    </message>
    <message>
        <source>the programming request</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;</extracomment>
        <translation>编程请求</translation>
    </message>
    <message>
        <source>record %1, line %2 of the file</source>
        <extracomment>Said in &quot;The unit refused %1.&quot;; %1 counts the records sent, %2 is the file&apos;s line</extracomment>
        <translation>记录 %1（文件第 %2 行）</translation>
    </message>
    <message>
        <source>Answer dropped: the upload has already failed.</source>
        <translation>已丢弃应答：上传已经失败。</translation>
    </message>
    <message>
        <source>The unit answered more often than records were sent: its answers no longer match the records, so nothing confirms that it has the firmware.</source>
        <translation>单元应答的次数多于发送的记录数：其应答已与记录对不上，因此无法确认它已收到固件。</translation>
    </message>
    <message>
        <source>Cannot write the run&apos;s copy of the firmware: %1</source>
        <translation>无法写入本次运行的固件副本：%1</translation>
    </message>
    <message>
        <source>%1 is not valid Intel HEX: %2</source>
        <translation>%1 不是有效的 Intel HEX：%2</translation>
    </message>
    <message>
        <source>Cannot make a private folder: %1</source>
        <translation>无法创建私有文件夹：%1</translation>
    </message>
    <message>
        <source>A run is on.</source>
        <translation>正在运行。</translation>
    </message>
    <message>
        <source>Nothing has run yet.</source>
        <translation>尚未运行任何内容。</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>No units to flash.</source>
        <translation>没有要烧录的单元。</translation>
    </message>
    <message>
        <source>same unit as row %1 (both reach %2 port %3)</source>
        <translation>与第 %1 行是同一单元（两者都连接 %2 端口 %3）</translation>
    </message>
    <message>
        <source>%1 is too large for a list of units.</source>
        <translation>%1 太大，不能作为单元列表。</translation>
    </message>
    <message>
        <source>A quoted field never ends.</source>
        <translation>带引号的字段没有结束。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The first line must be the header %1.</source>
        <translation>第一行必须是表头 %1。</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
<context>
    <name>FirmwareChoice</name>
    <message>
        <source>there is no such file</source>
        <translation>没有此文件</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>这是文件夹，不是文件</translation>
    </message>
    <message>
        <source>not valid Intel HEX: %1</source>
        <translation>不是有效的 Intel HEX：%1</translation>
    </message>
    <message>
        <source>Cannot use &quot;%1&quot; as the firmware file:</source>
        <translation>无法将“%1”用作固件文件：</translation>
    </message>
    <message>
        <source>Click to choose the firmware file, or drop one on the window</source>
        <translation>单击以选择固件文件，或将文件拖放到窗口上</translation>
    </message>
</context>
<context>
    <name>FirmwarePanel</name>
    <message>
        <source>%1
The firmware chosen before stays: %2</source>
        <translation>%1
之前选择的固件保持不变：%2</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>No file chosen: choose one or drop it here.</source>
        <translation>未选择文件：请选择一个文件或拖放到此处。</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>选择(&amp;C)...</translation>
    </message>
    <message>
        <source>Cannot be flashed: %1</source>
        <translation>无法烧录：%1</translation>
    </message>
    <message>
        <source>Choose firmware</source>
        <translation>选择固件</translation>
    </message>
    <message>
        <source>Intel HEX files (*.hex);;All files (*)</source>
        <translation>Intel HEX 文件 (*.hex);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>FirmwareSnapshot</name>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>签名：密钥 %1，受信任的注释：%2</translation>
    </message>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>未由受信任的密钥签名：%1</translation>
    </message>
</context>
<context>
    <name>HelpDialogs</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.</source>
        <translation>通过以太网将 Intel HEX 固件安装到控制单元。</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>使用 Qt %1 构建，运行于 Qt %2。</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>The title of Help &gt; About; %1 is the program&apos;s name.</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>Flash History</source>
        <translation>烧录历史</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>单元：</translation>
    </message>
    <message>
        <source>address or address:port</source>
        <translation>地址 或 地址:端口</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The unit&apos;s name.</extracomment>
        <translation>名称：</translation>
    </message>
    <message>
        <source>SHA-256:</source>
        <translation>SHA-256：</translation>
    </message>
    <message>
        <source>8 hex digits or more</source>
        <translation>8 个或更多十六进制数字</translation>
    </message>
    <message>
        <source>any</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Outcome:</source>
        <translation>结果：</translation>
    </message>
    <message>
        <source>Since:</source>
        <translation>起始：</translation>
    </message>
    <message>
        <source>2026-03-01 or 2026-03-01T14:30</source>
        <translation>2026-03-01 或 2026-03-01T14:30</translation>
    </message>
    <message>
        <source>Until:</source>
        <translation>截止：</translation>
    </message>
    <message>
        <source>2026-03-31</source>
        <translation>2026-03-31</translation>
    </message>
    <message>
        <source>Run:</source>
        <extracomment>The station run an attempt belongs to.</extracomment>
        <translation>运行：</translation>
    </message>
    <message>
        <source>At most:</source>
        <translation>最多：</translation>
    </message>
    <message>
        <source>0 for all</source>
        <translation>0 表示全部</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>导出 CSV(&amp;E)…</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>导出历史</translation>
    </message>
    <message>
        <source>Flash History: %1</source>
        <translation>烧录历史：%1</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单元</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>起始</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>截止</translation>
    </message>
    <message>
        <source>At most</source>
        <translation>最多</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>Reading the history…</source>
        <translation>正在读取历史…</translation>
    </message>
    <message>
        <source>No attempts match.</source>
        <translation>没有匹配的尝试。</translation>
    </message>
    <message numerus="yes">
        <source>%n attempt(s), newest first.</source>
        <translation>
            <numerusform>%n 次尝试，最新的在前。</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>已导出到 %1。</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV 文件</translation>
    </message>
</context>
<context>
    <name>HistoryFilter</name>
    <message>
        <source>needs ADDRESS or ADDRESS:PORT, not &quot;%1&quot;</source>
        <translation>需要 ADDRESS 或 ADDRESS:PORT，而不是“%1”</translation>
    </message>
    <message>
        <source>needs a port from 1 to 65535, not &quot;%1&quot;</source>
        <translation>需要 1 到 65535 之间的端口，而不是“%1”</translation>
    </message>
    <message>
        <source>needs 8 to 64 hexadecimal digits, not &quot;%1&quot;</source>
        <translation>需要 8 到 64 个十六进制数字，而不是“%1”</translation>
    </message>
    <message>
        <source>needs a whole number (0 for all), not &quot;%1&quot;</source>
        <translation>需要整数（0 表示全部），而不是“%1”</translation>
    </message>
    <message>
        <source>needs an ISO date or time (2026-03-01, 2026-03-01T14:30 in local time, 2026-03-01T14:30Z or 2026-03-01T14:30+01:00), not &quot;%1&quot;</source>
        <translation>需要 ISO 日期或时间（2026-03-01、本地时间 2026-03-01T14:30、2026-03-01T14:30Z 或 2026-03-01T14:30+01:00），而不是“%1”</translation>
    </message>
</context>
<context>
    <name>HistorySummary</name>
    <message>
        <source>needs a list of title, firmware, day and unit, each once, not &quot;%1&quot;</source>
        <translation>需要由 title、firmware、day 和 unit 组成的列表，每项一次，而不是“%1”</translation>
    </message>
</context>
<context>
    <name>HistoryToolOptions</name>
    <message>
        <source>--%1 %2.</source>
        <translation>--%1 %2。</translation>
    </message>
    <message>
        <source>--outcome needs one of %1, not &quot;%2&quot;.</source>
        <translation>--outcome 需要 %1 之一，而不是“%2”。</translation>
    </message>
    <message>
        <source>--by goes with --summary.</source>
        <translation>--by 需与 --summary 一起使用。</translation>
    </message>
    <message>
        <source>--by %1.</source>
        <translation>--by %1。</translation>
    </message>
    <message>
        <source>--%1 is given more than once.</source>
        <translation>--%1 给出了不止一次。</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>--json and --csv exclude each other.</source>
        <translation>--json 和 --csv 不能同时使用。</translation>
    </message>
    <message>
        <source>--wait needs seconds from 1 to 3600, not &quot;%1&quot;.</source>
        <translation>--wait 需要 1 到 3600 之间的秒数，而不是“%1”。</translation>
    </message>
    <message>
        <source>--events, --summary and --serials exclude each other.</source>
        <translation>--events、--summary 和 --serials 不能同时使用。</translation>
    </message>
    <message>
        <source>--pool goes with --serials.</source>
        <translation>--pool 需与 --serials 一起使用。</translation>
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
        <translation>用法：%1 [options]

显示烧录历史：窗口、命令行上传程序和工作站的每次上传尝试各占一行，
最新的在前。

选项：
  --history URL      烧录历史：sqlite:///path/file.sqlite,
                     postgresql://user@host:port/dbname（libpq 的 URI
                     形式，包括 ?host=/socket/dir；密码请放在
                     ~/.pgpass 中）；默认：FWU_HISTORY，否则为
                     ~/.local/share/FirmwareUploader/history.sqlite
  --wait SECONDS     烧录历史可用多长时间应答，超时后工具放弃并
                     以状态 2 退出（默认 30）
  --json             JSON Lines：每次尝试一个对象（时间为 UTC）
  --csv              带表头行的逗号分隔值（UTC）
  --unit A[:P]       地址为 A（端口为 P）的单元上的尝试
  --name NAME        该名称的单元上的尝试
  --unit-serial TEXT 标签上带有该序列号的单元上的尝试
  --serial VALUE     将该序列号写入映像的尝试
  --sha256 HEX       SHA-256 以 HEX 开头的固件（8 个或更多数字）
  --outcome WORD     以此结束的尝试：%2
  --since WHEN       在 WHEN 或之后开始的尝试：ISO 日期或时间，
                     2026-03-01T14:30Z 或 +01:00；不带 Z 或偏移时
                     为本地时间
  --until WHEN       在 WHEN 之前开始的尝试（日期：到当天结束）
  --run-id ID        某次工作站运行的尝试
  --limit N          最多 N 次尝试，0 表示全部（默认：表格中为 %3，
                     使用 --json 或 --csv 时为全部）
  --summary          所有匹配尝试按组统计的单元数、尝试数、完成数、
                     一次通过率和最终良率
  --by LIST          摘要的分组：title、firmware、day、unit 中的任意项
                     （默认 title,firmware）
  --events           改为显示工作站的事件：锁定、解锁、被拒绝的
                     解锁、新班次（可配合 --limit）
  --serials          改为显示序列号台账：每个号池的每个编号、其状态
                     （allocated、used、burnt、returned），以及最后
                     持有它的尝试、单元和主机
  --pool NAME        与 --serials 一起使用：只显示该号池的编号
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
        <translation>  -h, --help         显示此文本
  -v, --version      显示版本

表格以本地时间显示并带有偏移；JSON 和 CSV 保持 UTC。

退出代码：
  0    完成，没有匹配的尝试时也是如此
  2    无法读取烧录历史
  4    选项错误
</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>--language needs a language code</source>
        <translation>--language 需要语言代码</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;; known: %2</source>
        <translation>未知语言“%1”；已知语言：%2</translation>
    </message>
    <message>
        <source>The language to speak: %1 (default: the system&apos;s).</source>
        <translation>界面语言：%1（默认：系统语言）。</translation>
    </message>
    <message>
        <source>the language to speak: %1</source>
        <translation>界面语言：%1</translation>
    </message>
    <message>
        <source>(default: the system&apos;s)</source>
        <translation>（默认：系统语言）</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The &amp;system&apos;s (%1)</source>
        <extracomment>The entry that follows the desktop&apos;s language; %1 names the one it is now.</extracomment>
        <translation>系统语言(&amp;S)（%1）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The choice of language could not be saved.</source>
        <translation>无法保存所选语言。</translation>
    </message>
    <message>
        <source>The new language is used from the next start of the program.</source>
        <translation>新语言将在程序下次启动时生效。</translation>
    </message>
</context>
<context>
    <name>LineView</name>
    <message>
        <source>Line view</source>
        <translation>产线视图</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>%1 号</translation>
    </message>
</context>
<context>
    <name>LockControls</name>
    <message>
        <source>Wrong supervisor password: the station stays locked.</source>
        <translation>主管密码错误：工作站保持锁定。</translation>
    </message>
    <message>
        <source>&amp;Lock for production</source>
        <translation>锁定以投入生产(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Unlock...</source>
        <translation>解锁(&amp;U)...</translation>
    </message>
    <message>
        <source>Supervisor &amp;password...</source>
        <translation>主管密码(&amp;P)...</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>Supervisor password:</source>
        <translation>主管密码：</translation>
    </message>
    <message>
        <source>The station is locked. Supervisor password:</source>
        <translation>工作站已锁定。主管密码：</translation>
    </message>
    <message>
        <source>Supervisor password</source>
        <translation>主管密码</translation>
    </message>
    <message>
        <source>New supervisor password:</source>
        <translation>新的主管密码：</translation>
    </message>
    <message>
        <source>The same password again:</source>
        <translation>再次输入密码：</translation>
    </message>
    <message>
        <source>The two passwords differ: nothing was changed.</source>
        <translation>两次输入的密码不同：未做任何更改。</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Save Log &amp;As…</source>
        <translation>日志另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>Trusted &amp;Keys…</source>
        <translation>受信任的密钥(&amp;K)…</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Loop</source>
        <extracomment>Tools menu toggle: start the upload again after each finished one.</extracomment>
        <translation>循环(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <extracomment>Tools menu toggle: send the records at a slower pace.</extracomment>
        <translation>慢速(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <extracomment>Tools menu toggle: write more detail to the log.</extracomment>
        <translation>调试(&amp;D)</translation>
    </message>
    <message>
        <source>Forget</source>
        <extracomment>Tools menu item: drop the remembered address and port.</extracomment>
        <translation>忘记</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Choose the firmware file (or drop a .hex file anywhere on the window)</source>
        <translation>选择固件文件（或将 .hex 文件拖放到窗口的任意位置）</translation>
    </message>
    <message>
        <source>Load and Start</source>
        <translation>加载并启动</translation>
    </message>
    <message>
        <source>Enter</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>In the address or port box: Load and Start; on the file label: choose the firmware file</source>
        <translation>在地址框或端口框中：加载并启动；在文件标签上：选择固件文件</translation>
    </message>
    <message>
        <source>Save the log to a text file</source>
        <translation>将日志保存到文本文件</translation>
    </message>
    <message>
        <source>Stop the upload while it connects or sends</source>
        <translation>在连接或发送期间停止上传</translation>
    </message>
    <message>
        <source>Copy the selected log line</source>
        <translation>复制所选的日志行</translation>
    </message>
    <message>
        <source>Alt+F, X</source>
        <extracomment>The keys of File &gt; Exit: Alt with the File menu&apos;s underlined letter, then Exit&apos;s.</extracomment>
        <translation>Alt+F, X</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the log, the address, the port, Load and Start and the file label</source>
        <translation>在日志、地址、端口、“加载并启动”和文件标签之间移动</translation>
    </message>
    <message>
        <source>Space</source>
        <extracomment>The name of the key, as printed on keyboards.</extracomment>
        <translation>空格</translation>
    </message>
    <message>
        <source>Press Load and Start, or choose the firmware file on the file label</source>
        <translation>按下“加载并启动”，或在文件标签上选择固件文件</translation>
    </message>
</context>
<context>
    <name>OperatorDesk</name>
    <message>
        <source>No unit can take the serial %1 now: select one that is not running.</source>
        <translation>现在没有单元可以接受序列号 %1：请选择一个未在运行的单元。</translation>
    </message>
    <message>
        <source>New &amp;shift...</source>
        <translation>新班次(&amp;S)...</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>新班次</translation>
    </message>
</context>
<context>
    <name>OperatorQuestions</name>
    <message>
        <source>Stop the upload now?

The unit stays in programming mode until it gets a whole firmware file or is restarted.</source>
        <translation>现在停止上传吗？

在收到完整的固件文件或重新启动之前，单元将一直处于编程模式。</translation>
    </message>
    <message>
        <source>Save Log As</source>
        <translation>日志另存为</translation>
    </message>
    <message>
        <source>Log files</source>
        <translation>日志文件</translation>
    </message>
    <message>
        <source>Stop the upload</source>
        <translation>停止上传</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>继续(&amp;C)</translation>
    </message>
</context>
<context>
    <name>OperatorSeat</name>
    <message>
        <source>Operator: %1</source>
        <translation>操作员：%1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Who runs the station?</source>
        <translation>谁在操作工作站？</translation>
    </message>
    <message>
        <source>Ask for the operator at s&amp;tart</source>
        <translation>启动时询问操作员(&amp;T)</translation>
    </message>
</context>
<context>
    <name>OutcomeAnnouncer</name>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>How the last upload ended: Finished or Failed</source>
        <translation>上次上传的结果：完成或失败</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A desktop notification&apos;s summary: the program&apos;s title, then how the upload ended.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The firmware was installed.</source>
        <translation>固件已安装。</translation>
    </message>
    <message>
        <source>The upload failed; the log says why.</source>
        <translation>上传失败；原因见日志。</translation>
    </message>
    <message>
        <source>Finished</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>How the last upload ended, in the status bar: the operator stopped it.</extracomment>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>How the last upload ended, in the status bar.</extracomment>
        <translation>失败</translation>
    </message>
</context>
<context>
    <name>ProductionLock</name>
    <message>
        <source>The station is locked: unlock it first.</source>
        <translation>工作站已锁定：请先解锁。</translation>
    </message>
    <message numerus="yes">
        <source>The password needs at least %n characters.</source>
        <translation>
            <numerusform>密码至少需要 %n 个字符。</numerusform>
        </translation>
    </message>
    <message>
        <source>The password could not be hashed (out of memory).</source>
        <translation>无法对密码进行哈希运算（内存不足）。</translation>
    </message>
    <message>
        <source>Set a supervisor password first (File &gt; Supervisor password...): without one nobody could unlock the station.</source>
        <translation>请先设置主管密码（文件 &gt; 主管密码...）：没有密码，任何人都无法解锁工作站。</translation>
    </message>
</context>
<context>
    <name>ProgressCaption</name>
    <message>
        <source>%1 s</source>
        <extracomment>A time left below a minute, in seconds.</extracomment>
        <translation>%1 秒</translation>
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
        <translation>%1 - 剩余 %2</translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source>%1/%2 records  %3%  %4  %5 left</source>
        <extracomment>The progress line on a terminal: records sent of all, percent, rate, time left.</extracomment>
        <translation>%1/%2 条记录  %3%  %4  剩余 %5</translation>
    </message>
</context>
<context>
    <name>ReportSaver</name>
    <message>
        <source>The report folder %1 is not a folder.</source>
        <translation>报告文件夹 %1 不是文件夹。</translation>
    </message>
    <message>
        <source>The report folder %1 cannot be made.</source>
        <translation>无法创建报告文件夹 %1。</translation>
    </message>
    <message>
        <source>Reports cannot be saved in %1: %2</source>
        <translation>无法在 %1 中保存报告：%2</translation>
    </message>
    <message>
        <source>no report folder is set (--report-dir or File &gt; Report folder), so no report is saved.</source>
        <translation>未设置报告文件夹（--report-dir 或 文件 &gt; 报告文件夹），因此不保存报告。</translation>
    </message>
    <message>
        <source>Report saved as %1.csv and .json</source>
        <translation>报告已保存为 %1.csv 和 .json</translation>
    </message>
    <message>
        <source>Save report (CSV and JSON)</source>
        <translation>保存报告（CSV 和 JSON）</translation>
    </message>
    <message>
        <source>Report (*.csv)</source>
        <translation>报告 (*.csv)</translation>
    </message>
    <message>
        <source>Folder for reports saved at the end of each run (cancel: none)</source>
        <translation>每次运行结束时保存报告的文件夹（取消：不保存）</translation>
    </message>
    <message>
        <source>Reports are saved only when asked.</source>
        <translation>仅在要求时保存报告。</translation>
    </message>
    <message>
        <source>Reports are saved in %1 after each run.</source>
        <translation>每次运行后将报告保存在 %1 中。</translation>
    </message>
</context>
<context>
    <name>RunControls</name>
    <message>
        <source>Flash &amp;all</source>
        <translation>全部烧录(&amp;A)</translation>
    </message>
    <message>
        <source>Flash &amp;selected</source>
        <translation>烧录所选(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Re-run failed</source>
        <translation>重新运行失败项(&amp;R)</translation>
    </message>
    <message>
        <source>Sto&amp;p selected</source>
        <translation>停止所选(&amp;P)</translation>
    </message>
    <message>
        <source>S&amp;top all</source>
        <translation>全部停止(&amp;T)</translation>
    </message>
    <message>
        <source>all</source>
        <extracomment>Units at once: no limit.</extracomment>
        <translation>全部</translation>
    </message>
    <message>
        <source>How many units are flashed at the same time</source>
        <translation>同时烧录的单元数量</translation>
    </message>
    <message>
        <source> ms</source>
        <extracomment>Milliseconds, after the number.</extracomment>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>An upload ends when the unit is silent this long during the transfer</source>
        <translation>传输期间单元静默达到此时长时，上传结束</translation>
    </message>
    <message>
        <source>Further tries of a connection that never came about</source>
        <translation>连接未能建立时的额外尝试次数</translation>
    </message>
    <message>
        <source>Response time-&amp;out:</source>
        <translation>响应超时(&amp;O)：</translation>
    </message>
    <message>
        <source>Retr&amp;ies:</source>
        <translation>重试次数(&amp;I)：</translation>
    </message>
    <message>
        <source>U&amp;nits at once:</source>
        <translation>同时烧录(&amp;N)：</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>Cannot make the report folder %1.</source>
        <translation>无法创建报告文件夹 %1。</translation>
    </message>
    <message>
        <source>Cannot save a report in %1: every name is taken.</source>
        <translation>无法在 %1 中保存报告：所有名称都已被占用。</translation>
    </message>
</context>
<context>
    <name>ScanField</name>
    <message>
        <source>scan a unit&apos;s label</source>
        <translation>扫描单元的标签</translation>
    </message>
    <message>
        <source>S&amp;erial:</source>
        <translation>序列号(&amp;E)：</translation>
    </message>
</context>
<context>
    <name>SerialCheck</name>
    <message>
        <source>%1 already finished on %2 at %3 (%4): rescan the label, or confirm at Flash that this unit is flashed again.</source>
        <translation>%1 已于 %2 在 %3（%4）上完成：请重新扫描标签，或在烧录时确认再次烧录此单元。</translation>
    </message>
    <message>
        <source>Serials already flashed</source>
        <translation>序列号已烧录</translation>
    </message>
    <message>
        <source>

Flash these units all the same?</source>
        <translation>

仍然烧录这些单元吗？</translation>
    </message>
</context>
<context>
    <name>SerialControls</name>
    <message>
        <source>Serial &amp;numbers...</source>
        <translation>序列号(&amp;N)...</translation>
    </message>
</context>
<context>
    <name>SerialDialog</name>
    <message>
        <source>Serial numbers</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>&amp;Write a number of its own into each unit&apos;s image</source>
        <translation>在每个单元的映像中写入其自己的编号(&amp;W)</translation>
    </message>
    <message>
        <source>e.g. 0x7FF0:4</source>
        <translation>例如 0x7FF0:4</translation>
    </message>
    <message>
        <source>Number, little-endian</source>
        <translation>数字，小端序</translation>
    </message>
    <message>
        <source>Number, big-endian</source>
        <translation>数字，大端序</translation>
    </message>
    <message>
        <source>Decimal digits (ASCII)</source>
        <translation>十进制数字 (ASCII)</translation>
    </message>
    <message>
        <source>Hex digits (ASCII)</source>
        <translation>十六进制数字 (ASCII)</translation>
    </message>
    <message>
        <source>Bytes as given (e.g. a MAC address)</source>
        <translation>原样字节（例如 MAC 地址）</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>计数器</translation>
    </message>
    <message>
        <source>List file</source>
        <translation>列表文件</translation>
    </message>
    <message>
        <source>Intel HEX list file</source>
        <translation>Intel HEX 列表文件</translation>
    </message>
    <message>
        <source>The scanned label</source>
        <translation>扫描的标签</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>&amp;Address:length:</source>
        <translation>地址:长度(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>来源(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Pool:</source>
        <translation>号池(&amp;P)：</translation>
    </message>
    <message>
        <source>first[:last], e.g. 1000:1999</source>
        <translation>first[:last]，例如 1000:1999</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Serial number list</source>
        <translation>序列号列表</translation>
    </message>
</context>
<context>
    <name>SerialSettings</name>
    <message>
        <source>Say where the number goes: an address and a length, e.g. 0x7FF0:4.</source>
        <translation>请说明编号写在何处：地址和长度，例如 0x7FF0:4。</translation>
    </message>
    <message>
        <source>Address and length: %1</source>
        <translation>地址和长度：%1</translation>
    </message>
    <message>
        <source>Format: %1</source>
        <translation>格式：%1</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>来源：%1</translation>
    </message>
    <message>
        <source>Say where the numbers come from: a counter, a list file or an Intel HEX list file.</source>
        <translation>请说明编号从何而来：计数器、列表文件或 Intel HEX 列表文件。</translation>
    </message>
    <message>
        <source>The list of numbers cannot be read: %1</source>
        <translation>无法读取编号列表：%1</translation>
    </message>
    <message>
        <source>%1 has no scanned serial to write.</source>
        <translation>%1 没有可写入的扫描序列号。</translation>
    </message>
    <message>
        <source>Serial numbers: off</source>
        <translation>序列号：关闭</translation>
    </message>
    <message>
        <source>the scanned label</source>
        <translation>扫描的标签</translation>
    </message>
    <message>
        <source>Serial numbers: %1 at %2 (%3)</source>
        <translation>序列号：%1，位于 %2（%3）</translation>
    </message>
    <message>
        <source>the list&apos;s</source>
        <translation>列表给出的位置</translation>
    </message>
</context>
<context>
    <name>ShiftCounts</name>
    <message>
        <source>Pass %1  Fail %2  Total %3  Yield %4 %</source>
        <translation>通过 %1  失败 %2  总数 %3  良率 %4 %</translation>
    </message>
</context>
<context>
    <name>ShiftWatch</name>
    <message>
        <source>Shift: %1</source>
        <translation>班次：%1</translation>
    </message>
    <message>
        <source>New shift</source>
        <translation>新班次</translation>
    </message>
    <message>
        <source>Start a new shift? Pass, Fail, Total and Yield start again from zero.

Now: %1</source>
        <translation>开始新班次吗？通过、失败、总数和良率将从零重新开始。

当前：%1</translation>
    </message>
</context>
<context>
    <name>SignatureStatus</name>
    <message>
        <source>Not signed by a trusted key: %1</source>
        <translation>未由受信任的密钥签名：%1</translation>
    </message>
    <message>
        <source>Signature: not valid: %1</source>
        <translation>签名：无效：%1</translation>
    </message>
    <message>
        <source>Signature: key %1, trusted comment: %2</source>
        <translation>签名：密钥 %1，受信任的注释：%2</translation>
    </message>
</context>
<context>
    <name>SimulatorHelp</name>
    <message>
        <source>A simulated control unit: a TCP server on a loopback address that takes display texts, a programming request and Intel HEX record lines, and answers each packet as the unit does, or with the faults asked for.

Packets are counted per connection from 0: the programming request is packet 0, the first record line 1, and so on; display-text packets are not answered and not counted. Bytes that frame no packet are answered once per run with NakChecksum and dropped up to the next &apos;:&apos;, FE or F0.

Faults (--fault KIND[:ARG]@N[#C], N a packet or &quot;eof&quot; for the record of type 01, C a connection number from 1, default every connection):
  </source>
        <translation>模拟的控制单元：一个在回环地址上的 TCP 服务器，接收显示文本、编程请求和 Intel HEX 记录行，并像单元一样应答每个数据包，或按要求注入故障。

数据包按连接从 0 开始计数：编程请求为数据包 0，第一条记录行为 1，依此类推；显示文本数据包不应答也不计数。不构成数据包的字节在每次运行中以 NakChecksum 应答一次，并丢弃到下一个 &apos;:&apos;、FE 或 F0 为止。

故障（--fault KIND[:ARG]@N[#C]，N 为数据包编号，或 &quot;eof&quot; 表示类型 01 的记录；C 为从 1 开始的连接编号，默认每个连接）：
  </translation>
    </message>
    <message>
        <source>
Server faults (--fault KIND, no packet):
  never-accept        connects stay pending (the accept queue is full)
  no-server           nothing listens: connects are refused; prints &quot;no server at 127.0.0.1:PORT&quot;

A demo firmware file to send it: %1</source>
        <translation>
服务器故障（--fault KIND，不对应数据包）：
  never-accept        连接保持挂起（accept 队列已满）
  no-server           没有监听：连接被拒绝；打印 &quot;no server at 127.0.0.1:PORT&quot;

可发送给它的演示固件文件：%1</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>TCP port; 0 picks a free one. Printed at start as &quot;listening on 127.0.0.1:PORT&quot;.</source>
        <translation>TCP 端口；0 表示选择一个空闲端口。启动时打印为 &quot;listening on 127.0.0.1:PORT&quot;。</translation>
    </message>
    <message>
        <source>Loopback address to listen on.</source>
        <translation>要监听的回环地址。</translation>
    </message>
    <message>
        <source>The product the unit is: %1.</source>
        <translation>该单元所属的产品：%1。</translation>
    </message>
    <message>
        <source>Milliseconds before each answer.</source>
        <translation>每次应答前等待的毫秒数。</translation>
    </message>
    <message>
        <source>The 4 bytes after each response code, as 8 hex digits, or &quot;random&quot;.</source>
        <translation>每个响应代码之后的 4 个字节，以 8 个十六进制数字表示，或 &quot;random&quot;。</translation>
    </message>
    <message>
        <source>Milliseconds between the writes of a split or repeated answer.</source>
        <translation>拆分或重复应答的各次写入之间的毫秒数。</translation>
    </message>
    <message>
        <source>Inject a fault (repeatable, see above).</source>
        <translation>注入故障（可重复，见上文）。</translation>
    </message>
    <message>
        <source>Write every record received, one per line, to FILE after each connection.</source>
        <translation>每次连接后，将收到的每条记录写入 FILE，每行一条。</translation>
    </message>
    <message>
        <source>Stop after N connections (0 = never).</source>
        <translation>在 N 次连接后停止（0 = 永不）。</translation>
    </message>
    <message>
        <source>Stop after T seconds (0 = never).</source>
        <translation>在 T 秒后停止（0 = 永不）。</translation>
    </message>
    <message>
        <source>Print each packet and its verdict on stderr.</source>
        <translation>在 stderr 上打印每个数据包及其判定结果。</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>--port needs a number from 0 to 65535</source>
        <translation>--port 需要 0 到 65535 之间的数字</translation>
    </message>
    <message>
        <source>--address must be a loopback address, not &quot;%1&quot;</source>
        <translation>--address 必须是回环地址，而不是“%1”</translation>
    </message>
    <message>
        <source>unknown profile &quot;%1&quot;; known: %2</source>
        <translation>未知配置“%1”；已知配置：%2</translation>
    </message>
    <message>
        <source>--delay needs a number of milliseconds</source>
        <translation>--delay 需要毫秒数</translation>
    </message>
    <message>
        <source>--fragment-gap needs a number of milliseconds</source>
        <translation>--fragment-gap 需要毫秒数</translation>
    </message>
    <message>
        <source>--tail needs 8 hex digits or &quot;random&quot;</source>
        <translation>--tail 需要 8 个十六进制数字或 &quot;random&quot;</translation>
    </message>
    <message>
        <source>--connections needs a number</source>
        <translation>--connections 需要一个数字</translation>
    </message>
    <message>
        <source>--seconds needs a number</source>
        <translation>--seconds 需要一个数字</translation>
    </message>
    <message>
        <source>cannot listen on %1:%2: %3</source>
        <translation>无法在 %1:%2 上监听：%3</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>StationEventLog</name>
    <message>
        <source>The station&apos;s event is not in the flash history: %1</source>
        <translation>工作站的事件不在烧录历史中：%1</translation>
    </message>
</context>
<context>
    <name>StationHelp</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Firmware Uploader Station&lt;/b&gt;&lt;br&gt;Version %1&lt;/p&gt;&lt;p&gt;Flashes one Intel HEX firmware file into many control units at once, one command-line uploader per unit.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;固件上传工具工作站&lt;/b&gt;&lt;br&gt;版本 %1&lt;/p&gt;&lt;p&gt;一次将一个 Intel HEX 固件文件烧录到多个控制单元，每个单元使用一个命令行上传程序。&lt;/p&gt;&lt;p&gt;使用 Qt %2 构建，运行于 Qt %3。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Open a list of units</source>
        <translation>打开单元列表</translation>
    </message>
    <message>
        <source>Save the list of units</source>
        <translation>保存单元列表</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <extracomment>The accelerator of the &quot;Flash &amp;all&quot; button.</extracomment>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Flash all</source>
        <translation>全部烧录</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <extracomment>The accelerator of the &quot;Flash &amp;selected&quot; button.</extracomment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Flash the selected units</source>
        <translation>烧录所选单元</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <extracomment>The accelerator of the &quot;&amp;Re-run failed&quot; button.</extracomment>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Re-run the failed units</source>
        <translation>重新运行失败的单元</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <extracomment>The accelerator of the &quot;Sto&amp;p selected&quot; button.</extracomment>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>Stop the selected units (asks first)</source>
        <translation>停止所选单元（先询问）</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <extracomment>The accelerator of the &quot;S&amp;top all&quot; button.</extracomment>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Stop all (asks first)</source>
        <translation>全部停止（先询问）</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit the current cell</source>
        <translation>编辑当前单元格</translation>
    </message>
    <message>
        <source>Enter, double-click</source>
        <translation>Enter，双击</translation>
    </message>
    <message>
        <source>Show the unit&apos;s log</source>
        <translation>显示单元的日志</translation>
    </message>
    <message>
        <source>Menu key, right click</source>
        <translation>菜单键，右键单击</translation>
    </message>
    <message>
        <source>Stop, show the log or re-run the selected units</source>
        <translation>停止、显示日志或重新运行所选单元</translation>
    </message>
    <message>
        <source>Quit (asks first while units are flashed)</source>
        <translation>退出（正在烧录单元时先询问）</translation>
    </message>
    <message>
        <source>About Firmware Uploader Station</source>
        <translation>关于固件上传工具工作站</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>意外的参数：%1</translation>
    </message>
    <message>
        <source>%1 needs a whole number of milliseconds, at least 1.</source>
        <translation>%1 需要以毫秒为单位的整数，至少为 1。</translation>
    </message>
    <message>
        <source>%1 needs a whole number from 0 to 1000.</source>
        <translation>%1 需要 0 到 1000 之间的整数。</translation>
    </message>
    <message>
        <source>%1 needs a whole number, 0 for all units at once.</source>
        <translation>%1 需要整数，0 表示所有单元同时进行。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>An option, then what is wrong with its value.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <extracomment>Two option names.</extracomment>
        <translation>%1 需要 %2。</translation>
    </message>
    <message>
        <source>%1 needs %2 and %3.</source>
        <translation>%1 需要 %2 和 %3。</translation>
    </message>
    <message>
        <source>open this list of units (CSV: name,address,port[,title])
instead of the last one</source>
        <translation>打开此单元列表（CSV：name,address,port[,title]），
而不是上次的列表</translation>
    </message>
    <message>
        <source>choose this Intel HEX file</source>
        <translation>选择此 Intel HEX 文件</translation>
    </message>
    <message>
        <source>units flashed at the same time; 0 for all</source>
        <translation>同时烧录的单元数；0 表示全部</translation>
    </message>
    <message>
        <source>start flashing every unit at once (needs %1 and
%2); problems that stop the run go to standard
error and the program exits with status 2</source>
        <translation>立即开始烧录所有单元（需要 %1 和 %2）；
使运行停止的问题输出到标准错误，程序以状态 2 退出</translation>
    </message>
    <message>
        <source>with %1: save the report and exit when the run
ends: 0 every unit finished, 1 any did not, 2 the run
could not start; no dialogs (runs without a display)</source>
        <translation>与 %1 一起使用：运行结束时保存报告并退出：
0 所有单元均完成，1 有单元未完成，2 运行
无法开始；不显示对话框（可在无显示器时运行）</translation>
    </message>
    <message>
        <source>save each run&apos;s report in DIR (default: the report folder
of the settings, if any); one that cannot take it: exit 2
before any unit is flashed</source>
        <translation>将每次运行的报告保存在 DIR 中（默认：设置中的
报告文件夹，如有）；若其无法保存报告：在烧录
任何单元之前以状态 2 退出</translation>
    </message>
    <message>
        <source>each uploader&apos;s response time-out (kept; at first
60000, as the uploader&apos;s)</source>
        <translation>每个上传程序的响应超时（会保存；初始为
60000，与上传程序相同）</translation>
    </message>
    <message>
        <source>further connection tries per unit (kept; at first 0)</source>
        <translation>每个单元额外的连接尝试次数（会保存；初始为 0）</translation>
    </message>
    <message>
        <source>use a dark colour scheme</source>
        <translation>使用深色配色方案</translation>
    </message>
    <message>
        <source>who runs the station, in every uploader&apos;s history rows
(default: asked at start when File &gt; Ask for the operator
is on, else the login name)</source>
        <translation>谁在操作工作站，写入每个上传程序的历史行
（默认：若开启了 文件 &gt; 启动时询问操作员，
则在启动时询问，否则为登录名）</translation>
    </message>
    <message>
        <source>start locked for production: changing the firmware, the
list, time-out, retries or report folder needs the
supervisor password (File &gt; Supervisor password...)</source>
        <translation>以生产锁定状态启动：更改固件、列表、超时、
重试次数或报告文件夹需要主管密码
（文件 &gt; 主管密码...）</translation>
    </message>
    <message>
        <source>flash only firmware whose signature (FILE.hex.minisig)
verifies with KEY: a .pub key file or the base64 key;
repeatable, any of the keys may have signed</source>
        <translation>只烧录签名 (FILE.hex.minisig) 可用 KEY 验证的固件：
KEY 为 .pub 密钥文件或 base64 密钥本身；
可重复，任一密钥签名即可</translation>
    </message>
    <message>
        <source>the flash history every uploader writes its rows to
(sqlite:///path, postgresql://user@host/db or off; default:
FWU_HISTORY, else the uploaders&apos; default file); every user
can read an option: give a password in ~/.pgpass</source>
        <extracomment>Keep sqlite:///path, postgresql://user@host/db, off, FWU_HISTORY and ~/.pgpass as they are.</extracomment>
        <translation>每个上传程序写入其历史行的烧录历史
（sqlite:///path、postgresql://user@host/db 或 off；
默认：FWU_HISTORY，否则为上传程序的默认文件）；
命令行选项对所有用户可见：请将密码放在 ~/.pgpass 中</translation>
    </message>
    <message>
        <source>write each unit&apos;s own number at this address of
the image, in LENGTH bytes (1 to 32); with any %1
option the numbers are on for this session, the options
not given as in File &gt; Serial numbers...</source>
        <translation>在映像的此地址写入每个单元自己的编号，
长度为 LENGTH 字节（1 到 32）；给出任一 %1
选项时，本次会话开启编号，未给出的选项
按 文件 &gt; 序列号... 中的设置</translation>
    </message>
    <message>
        <source>le, be, ascii, hex or bytes (as the uploader&apos;s)</source>
        <extracomment>Keep the format words as they are.</extracomment>
        <translation>le、be、ascii、hex 或 bytes（与上传程序相同）</translation>
    </message>
    <message>
        <source>counter:START[:END], list:FILE, hexlist:FILE, or label
(each unit&apos;s scanned serial is its number)</source>
        <extracomment>Keep counter:START[:END], list:FILE, hexlist:FILE and label as they are.</extracomment>
        <translation>counter:START[:END]、list:FILE、hexlist:FILE 或 label
（每个单元扫描的序列号即为其编号）</translation>
    </message>
    <message>
        <source>the pool in the flash history the numbers come from
(default: the title)</source>
        <translation>编号所来自的烧录历史中的号池
（默认：标题）</translation>
    </message>
    <message>
        <source>answer the HTTP/JSON control interface of a line
system on 127.0.0.1 (or ADDRESS, an address of this PC)
and PORT (0: a free one); prints its URL and token file</source>
        <translation>为产线系统提供 HTTP/JSON 控制接口，监听
127.0.0.1（或 ADDRESS，本机的一个地址）和
PORT（0：一个空闲端口）；打印其 URL 和令牌文件</translation>
    </message>
    <message>
        <source>write the interface&apos;s token to FILE instead of
%1</source>
        <translation>将接口的令牌写入 FILE，而不是
%1</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>the command-line uploader to run (default: the one beside
this program, else %1 on PATH)</source>
        <translation>要运行的命令行上传程序（默认：本程序旁边的那个，
否则为 PATH 中的 %1）</translation>
    </message>
    <message>
        <source>the flash history when %1 is not given</source>
        <translation>未给出 %1 时使用的烧录历史</translation>
    </message>
    <message>
        <source>how long a poll of the interface&apos;s events waits at most
(default 25000; for tests)</source>
        <translation>接口事件的一次轮询最多等待多久
（默认 25000；用于测试）</translation>
    </message>
    <message>
        <source>Usage: %1 [options]
Flashes one firmware file into many units at once, one %2
process per unit, and reports each unit&apos;s outcome.
</source>
        <translation>用法：%1 [options]
一次将一个固件文件烧录到多个单元，每个单元一个 %2
进程，并报告每个单元的结果。
</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Bad options: exit status %1.</source>
        <translation>选项错误：退出状态 %1。</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>环境变量：</translation>
    </message>
</context>
<context>
    <name>StationServe</name>
    <message>
        <source>--serve needs [ADDRESS:]PORT, e.g. 8080 or 192.0.2.7:8080.</source>
        <translation>--serve 需要 [ADDRESS:]PORT，例如 8080 或 192.0.2.7:8080。</translation>
    </message>
    <message>
        <source>--serve: %1 is not an address of this PC.</source>
        <translation>--serve：%1 不是本机的地址。</translation>
    </message>
    <message>
        <source>The control interface answers on %1, which other computers may reach: anyone with the token can drive the station.</source>
        <translation>控制接口在 %1 上应答，其他计算机可能访问到它：任何持有令牌的人都能操控工作站。</translation>
    </message>
</context>
<context>
    <name>StationSession</name>
    <message>
        <source>The remembered list of units in %1 cannot be read (%2). It is kept as it is until another list is opened or made.</source>
        <translation>%1 中记住的单元列表无法读取（%2）。在打开或新建另一个列表之前，它将保持原样。</translation>
    </message>
    <message>
        <source>The station&apos;s settings could not be saved in %1; the list of units and the choices made here are not remembered.</source>
        <translation>工作站的设置无法保存到 %1 中；单元列表和在此所做的选择将不会被记住。</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>The firmware chosen last time is gone: %1</source>
        <translation>上次选择的固件已不存在：%1</translation>
    </message>
    <message>
        <source>Firmware Uploader Station</source>
        <translation>固件上传工具工作站</translation>
    </message>
    <message>
        <source>Run ended. %1</source>
        <translation>运行结束。%1</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Units are being flashed. Stop them all and quit?</source>
        <translation>正在烧录单元。全部停止并退出吗？</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open units list...</source>
        <translation>打开单元列表(&amp;O)...</translation>
    </message>
    <message>
        <source>Save units list &amp;as...</source>
        <translation>单元列表另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save &amp;report...</source>
        <translation>保存报告(&amp;R)...</translation>
    </message>
    <message>
        <source>Report &amp;folder for automatic saving...</source>
        <translation>自动保存报告的文件夹(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;History of the selected units...</source>
        <translation>所选单元的历史(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>%1

Units that are mid-transfer stay in programming mode until they are flashed again.</source>
        <translation>%1

正在传输中的单元将一直处于编程模式，直到再次烧录。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop every unit now?</source>
        <translation>现在停止所有单元吗？</translation>
    </message>
    <message numerus="yes">
        <source>Stop the %n selected unit(s) now?</source>
        <translation>
            <numerusform>现在停止所选的 %n 个单元吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止...</translation>
    </message>
    <message>
        <source>Stopping the selected units...</source>
        <translation>正在停止所选单元...</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Show &amp;log</source>
        <translation>显示日志(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Re-run</source>
        <translation>重新运行(&amp;R)</translation>
    </message>
</context>
<context>
    <name>TrustedKeysDialog</name>
    <message>
        <source>Trusted Keys</source>
        <translation>受信任的密钥</translation>
    </message>
    <message>
        <source>Firmware signed with one of these keys is trusted:</source>
        <translation>用以下任一密钥签名的固件是受信任的：</translation>
    </message>
    <message>
        <source>&amp;Add Key File…</source>
        <translation>添加密钥文件(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Flash only signed firmware</source>
        <translation>仅烧录已签名的固件</translation>
    </message>
    <message>
        <source>Add a trusted key first: with none, every file would be refused.</source>
        <translation>请先添加受信任的密钥：没有密钥时，所有文件都会被拒绝。</translation>
    </message>
    <message>
        <source>The trusted keys could not be saved in &quot;%1&quot;.</source>
        <translation>无法将受信任的密钥保存到“%1”中。</translation>
    </message>
    <message>
        <source>The key %1 is trusted already.</source>
        <translation>密钥 %1 已受信任。</translation>
    </message>
    <message>
        <source>Add Trusted Key</source>
        <translation>添加受信任的密钥</translation>
    </message>
    <message>
        <source>Key ID %1</source>
        <translation>密钥 ID %1</translation>
    </message>
    <message>
        <source>Public keys</source>
        <translation>公钥</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>UnitCellText</name>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1 秒无应答</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩余 %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The number written into a unit and what became of it: burnt (never handed out again), returned (handed out again) or allocated.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A unit&apos;s progress in percent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>How far a unit has got, then how long it has been silent.</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>UnitFault</name>
    <message>
        <source>answer NakChecksum (01)</source>
        <translation>回应 NakChecksum (01)</translation>
    </message>
    <message>
        <source>answer NakProductCode (02)</source>
        <translation>回应 NakProductCode (02)</translation>
    </message>
    <message>
        <source>answer NakRecordType (03)</source>
        <translation>回应 NakRecordType (03)</translation>
    </message>
    <message>
        <source>answer the code FF</source>
        <translation>回应代码 FF</translation>
    </message>
    <message>
        <source>answer a code outside the table (default 04)</source>
        <translation>回应表外的代码（默认 04）</translation>
    </message>
    <message>
        <source>N stray bytes before the answer (default 2)</source>
        <translation>在回应前发送 N 个多余字节（默认 2）</translation>
    </message>
    <message>
        <source>the answer in fragments of N bytes, separate writes (default 1)</source>
        <translation>将回应拆成每段 N 字节分别写出（默认 1）</translation>
    </message>
    <message>
        <source>the answer plus a response HH (default 00), or the two given responses, in one write</source>
        <translation>在一次写出中发送回应加一个回应 HH（默认 00），或给出的两个回应</translation>
    </message>
    <message>
        <source>the answer written twice; with MS, the copy MS ms later, not holding back later answers</source>
        <translation>回应写出两次；给出 MS 时，副本在 MS 毫秒后发送，不阻塞后续回应</translation>
    </message>
    <message>
        <source>stop answering, keep the connection open</source>
        <translation>停止回应，保持连接打开</translation>
    </message>
    <message>
        <source>close the connection instead of answering</source>
        <translation>关闭连接而不回应</translation>
    </message>
    <message>
        <source>reset the connection (RST) instead of answering</source>
        <translation>重置连接（RST）而不回应</translation>
    </message>
    <message>
        <source>stop answering, but send a stray byte (or a response HH) every 50 ms</source>
        <translation>停止回应，但每 50 毫秒发送一个多余字节（或回应 HH）</translation>
    </message>
    <message>
        <source>the answer MS milliseconds late</source>
        <translation>回应延迟 MS 毫秒</translation>
    </message>
    <message>
        <source>a positive count is needed, not &quot;%1&quot;</source>
        <translation>需要正数，而不是“%1”</translation>
    </message>
    <message>
        <source>too many codes in &quot;%1&quot;</source>
        <translation>“%1”中的代码过多</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a two-digit hex code</source>
        <translation>“%1”不是两位十六进制代码</translation>
    </message>
    <message>
        <source>this fault takes no argument</source>
        <translation>此故障不接受参数</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is missing (KIND@N)</source>
        <translation>“%1”：缺少数据包（KIND@N）</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: unknown fault &quot;%2&quot;</source>
        <translation>“%1”：未知故障“%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the connection number counts from 1</source>
        <translation>“%1”：连接编号从 1 开始</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the packet is a number from 0 or &quot;eof&quot;</source>
        <translation>“%1”：数据包须为从 0 起的数字或“eof”</translation>
    </message>
</context>
<context>
    <name>UnitListKeeper</name>
    <message>
        <source>Some rows cannot run: see the rows marked &quot;%1&quot;.</source>
        <translation>有些行无法运行：请查看标记为“%1”的行。</translation>
    </message>
    <message>
        <source>Open units list</source>
        <translation>打开单元列表</translation>
    </message>
    <message>
        <source>Units list (*.csv)</source>
        <translation>单元列表 (*.csv)</translation>
    </message>
    <message>
        <source>Save units list</source>
        <translation>保存单元列表</translation>
    </message>
</context>
<context>
    <name>UnitListModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Last flash</source>
        <translation>上次烧录</translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <translation>%1
退出代码 %2</translation>
    </message>
    <message>
        <source>cannot run</source>
        <translation>无法运行</translation>
    </message>
    <message>
        <source>address &quot;%1&quot; is not valid</source>
        <translation>地址“%1”无效</translation>
    </message>
    <message>
        <source>same address and port as row %1</source>
        <translation>与第 %1 行的地址和端口相同</translation>
    </message>
    <message>
        <source>same name as row %1</source>
        <translation>与第 %1 行的名称相同</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Joins the reasons one row cannot run.</extracomment>
        <translation>；</translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <extracomment>Part of the counts above the units, where it is a link to the failed units.</extracomment>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n 个单元：%1 个完成，%2，%3 个运行中，%4 个等待中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n units: %1 finished, %2, %3 running, %4 waiting (%5 cannot run: see the marked rows)</source>
        <extracomment>The counts above the units; %2 is the failed count, e.g. &quot;3 failed&quot;.</extracomment>
        <translation>
            <numerusform>%n 个单元：%1 个完成，%2，%3 个运行中，%4 个等待中（%5 个无法运行：请查看标记的行）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnitLogDialog</name>
    <message>
        <source>Log of %1</source>
        <translation>%1 的日志</translation>
    </message>
    <message>
        <source>State: %1, exit code %2</source>
        <translation>状态：%1，退出代码 %2</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>原因：%1</translation>
    </message>
    <message>
        <source>Standard error:</source>
        <translation>标准错误：</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>保存日志</translation>
    </message>
    <message>
        <source>Log files (*.log *.txt)</source>
        <translation>日志文件 (*.log *.txt)</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
<context>
    <name>UnitSimulator</name>
    <message>
        <source>%1 is not a loopback address</source>
        <translation>%1 不是回环地址</translation>
    </message>
    <message>
        <source>cannot hold port %1</source>
        <translation>无法占用端口 %1</translation>
    </message>
</context>
<context>
    <name>UnitStateText</name>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>连接中</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>发送中</translation>
    </message>
    <message>
        <source>writing/rebooting</source>
        <translation>写入/重启中</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>失败</translation>
    </message>
</context>
<context>
    <name>UnitTable</name>
    <message>
        <source>unit %1</source>
        <extracomment>The name a new row of the list starts with.</extracomment>
        <translation>单元 %1</translation>
    </message>
</context>
<context>
    <name>UnitViews</name>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Line view</source>
        <translation>产线视图(&amp;L)</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Failed only</source>
        <translation>仅显示失败(&amp;F)</translation>
    </message>
    <message>
        <source>A&amp;dd unit</source>
        <translation>添加单元(&amp;D)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;M)</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Double-click a row for its log.</source>
        <translation>双击某行可查看其日志。</translation>
    </message>
    <message>
        <source>List o&amp;rder</source>
        <translation>列表顺序(&amp;R)</translation>
    </message>
</context>
<context>
    <name>WindowHistory</name>
    <message>
        <source>The flash history does not answer; the attempt is written when it does.</source>
        <translation>烧录历史没有应答；待其应答时再写入该次尝试。</translation>
    </message>
    <message>
        <source>Flash history</source>
        <translation>烧录历史</translation>
    </message>
    <message>
        <source>Database (sqlite:///path/file.sqlite, postgresql://user@host/dbname or off;
empty for the default):</source>
        <translation>数据库（sqlite:///path/file.sqlite、postgresql://user@host/dbname 或 off；
留空则使用默认值）：</translation>
    </message>
    <message>
        <source>A password is not kept in the window&apos;s settings. Leave it out of the URL and put it in ~/.pgpass (a line host:port:database:user:password, the file with mode 0600), where the database client finds it.</source>
        <translation>密码不会保存在窗口的设置中。请不要将其写入 URL，而是放在 ~/.pgpass 中（一行 host:port:database:user:password，文件权限为 0600），数据库客户端会在那里找到它。</translation>
    </message>
    <message>
        <source>the setting could not be saved</source>
        <translation>无法保存该设置</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>历史(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show…</source>
        <translation>显示(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Database…</source>
        <translation>数据库(&amp;D)…</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Writing firmware: do not remove power</source>
        <translation>正在写入固件：请勿断电</translation>
    </message>
    <message>
        <source>%1 v%2</source>
        <extracomment>The window&apos;s caption: the program&apos;s title and version.</extracomment>
        <translation>%1 v%2</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>选择文件...</translation>
    </message>
    <message>
        <source>Could not save the log to &quot;%1&quot;: %2</source>
        <translation>无法将日志保存到“%1”：%2</translation>
    </message>
    <message>
        <source>Loops: %1</source>
        <translation>循环次数：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation>%1：无法写入标准输出：%2
</translation>
    </message>
    <message>
        <source>
A demo firmware file to try with: %1
</source>
        <translation>
可用于试用的演示固件文件：%1
</translation>
    </message>
    <message>
        <source>
Usage: %1 [options] FILE.hex
Run &quot;%1 --help&quot; for the options and exit codes.</source>
        <translation>
用法：%1 [options] FILE.hex
运行 &quot;%1 --help&quot; 查看选项和退出代码。</translation>
    </message>
    <message>
        <source>no station events</source>
        <translation>没有工作站事件</translation>
    </message>
    <message>
        <source>no serial numbers</source>
        <translation>没有序列号</translation>
    </message>
    <message>
        <source>no attempts match</source>
        <translation>没有匹配的尝试</translation>
    </message>
    <message>
        <source>%1 of %2 attempts shown; --limit 0 shows all</source>
        <translation>显示了 %2 次尝试中的 %1 次；--limit 0 显示全部</translation>
    </message>
    <message>
        <source>
Run &quot;%1 --help&quot; for the options.</source>
        <translation>
运行 &quot;%1 --help&quot; 查看选项。</translation>
    </message>
    <message>
        <source>the history is off; give --history URL.</source>
        <translation>烧录历史已关闭；请提供 --history URL。</translation>
    </message>
    <message>
        <source>no answer from the history at %1 within %2 s</source>
        <translation>%1 处的烧录历史在 %2 秒内没有应答</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>显示版本信息。</translation>
    </message>
    <message>
        <source>Installs Intel HEX firmware into a control unit over Ethernet.
A demo firmware file to try it with: %1</source>
        <translation>通过以太网将 Intel HEX 固件安装到控制单元。
可用于试用的演示固件文件：%1</translation>
    </message>
    <message>
        <source>Firmware file to choose at start (.hex).</source>
        <translation>启动时选择的固件文件 (.hex)。</translation>
    </message>
    <message>
        <source>[FILE.hex]</source>
        <extracomment>The command line&apos;s usage line: an optional firmware file.</extracomment>
        <translation>[FILE.hex]</translation>
    </message>
    <message>
        <source>A demo firmware file to try with: %1</source>
        <translation>可用于试用的演示固件文件：%1</translation>
    </message>
    <message>
        <source>Run &quot;%1&quot; for the options.</source>
        <translation>运行 &quot;%1&quot; 查看选项。</translation>
    </message>
</context>
</TS>
