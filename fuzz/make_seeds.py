#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into fuzz/corpus/<target>/.

Each seed is named after what it shows. The byte layouts follow the targets'
readers (fuzz/*_fuzz.cpp and fuzz/support/fuzz_choices.cpp). Run it again
after changing a layout; it rewrites only the files named "seed-*".
"""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")

NAMES = ["FMODE", "FCOLORKEY", "FHUE", "FSATURATION", "FCONTRAST", "FBRIGHTNESS", "FZOOM",
         "FCAPTION", "FZORDER", "FPOSITION", "FHIDEVIDEO", "FSTILLVIDEO", "FMOTION", "FSELECT",
         "FSOURCEINFO", "FSTATUS1", "FSTATUS2", "FSTATUS3", "FSTATUS4", "FSTATUS5", "FSTATUS6",
         "FRESULT", "FNUMSOURCES", "FSHOWWINDOW", "FHIDESOURCE", "WINDOW", "SOURCE", "X", "Y",
         "WIDTH", "HEIGHT", "ZORDER", "ZX", "ZY", "ZWIDTH", "ZHEIGHT", "BRIGHTNESS", "CONTRAST",
         "SATURATION", "HUE", "MODE", "CAPTION", "COLOR"]
TYPE_OF_GROUP = {**{n: 6 for n in NAMES[0:21]}, "FRESULT": 5, "FNUMSOURCES": 5,
                 "FSHOWWINDOW": 7, "FHIDESOURCE": 7, **{n: 1 for n in NAMES[25:41]},
                 "CAPTION": 7, "COLOR": 7}
TYPE_BYTE = {1: 0, 5: 1, 6: 2, 7: 3, 0: 7, 2: 8, -1: 9}
CUSTOM = 0x3F  # address code that takes the next input line


def address(name=None, lower=False, blank=False, custom=None):
    """Address choice bytes: a vocabulary name, or a custom text line."""
    if custom is not None:
        return bytes([CUSTOM | (0x40 if lower else 0) | (0x80 if blank else 0)]) + custom + b"\n"
    return bytes([NAMES.index(name) | (0x40 if lower else 0) | (0x80 if blank else 0)])


def i16(value):
    return struct.pack("<h", value)


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "seed-" + name), "wb") as out:
        out.write(data)


def parser_seeds():
    for n in NAMES:
        write("parser", n.lower(), bytes([TYPE_BYTE[TYPE_OF_GROUP[n]]]) + b"!" + n.encode())
    cases = {
        "lower-fmode-flag": (6, b"!fmode"), "fmode-as-int16": (1, b"!FMODE"),
        "no-bang": (6, b"FMODE"), "empty": (6, b""), "bang-alone": (6, b"!"),
        "trailing-blank": (6, b"!FMODE "), "prefix-only": (6, b"!FMOD"),
        "lower-x": (1, b"!x"), "brace-folds": (6, b"!{"), "high-bytes": (6, b"!\x80\xff"),
        "long-text": (6, b"!" + b"A" * 40), "exactly-31": (6, b"!" + b"B" * 30),
        "exactly-32": (6, b"!" + b"C" * 31), "type-2": (2, b"!FMODE"),
        "fresult-as-flag": (6, b"!FRESULT"), "caption-as-int16": (1, b"!CAPTION"),
        "embedded-nul": (6, b"!FMODE\x00junk"),
    }
    for name, (t, text) in cases.items():
        write("parser", name, bytes([TYPE_BYTE[t]]) + text)


def init_file_seeds():
    cases = {
        "simple": b"HostName=abc;\n",
        "blanks-kept-before-semicolon": b"HostName =   abc  ;\n",
        "no-semicolon-then-good": b"HostName=abc\nHostName=def;\n",
        "first-wins": b"HostName=first;\nHostName=second;\n",
        "leading-blank": b" HostName=abc;\n",
        "semicolon-before-equals": b"HostName;=abc\n",
        "only-comments": b"; station file\n;another\n",
        "key-prefix": b"HostNameX = a;\n",
        "crlf": b"; video server of station 1\r\nHostName = videohost;\r\n",
        "simulator": b"; station\nHostName = simulator;\n",
        "too-long-value": b"HostName=" + b"h" * 40 + b";\nHostName=short;\n",
        "value-29": b"HostName=" + b"h" * 29 + b";\n",
        "value-30": b"HostName=" + b"h" * 30 + b";\n",
        "long-line-continues": b"x" * 255 + b"HostName=tail;\n",
        "tab-after-equals": b"HostName=\tabc;\n",
        "empty-value": b"HostName=;\n",
        "empty": b"",
        "embedded-nul": b"HostName=ab\x00cd;\nHostName=ok;\n",
        "no-newline-at-end": b"HostName=last;",
        "blank-lines": b"\n\n\nHostName=localhost;\n",
    }
    for name, content in cases.items():
        write("init_file", name, content)


def staged(window=0, source=0, x=0, y=0, width=0, height=0, z=0, caption=b"", color=0):
    numbers = [window, source, x, y, width, height, z] + [0] * 9
    block = b"".join(i16(v) for v in numbers) + struct.pack("<i", color)
    return block + caption[:30].ljust(30, b"\x00")


def read_seeds():
    def seed(name, server=0, stage=staged(), sources=6, shown=0, last=0, renamed=0, names=b"",
             addr=address("FRESULT")):
        write("read", name, bytes([server]) + stage + bytes([sources, shown, last, renamed]) +
              names + addr)
    seed("placement-example", stage=staged(0, 0, 0, 480, 640, 480, 2, b"Gate"))
    seed("negative-x", stage=staged(0, 1, -20, 0, 320, 240, 0, b"Lobby"))
    seed("source-past-count", stage=staged(0, 9), sources=6)
    seed("source-minus-one", stage=staged(0, -1))
    seed("window-without-connection", stage=staged(7, 0))
    seed("window-minus-one", stage=staged(-1, 0))
    seed("text-too-long", stage=staged(0, 0, -32768, -32768, -32768, -32768, -32768,
                                       b"c" * 29))
    seed("caption-unterminated", stage=staged(0, 0, caption=b"z" * 30))
    seed("count-255", sources=255, stage=staged(2, 5))
    seed("statuses", shown=0x2A, last=1)
    seed("last-result-odd", last=0x90)
    seed("long-source-name", renamed=1, names=b"N" * 90 + b"\n", stage=staged(0, 0))
    seed("twelve-sources", server=3, stage=staged(5, 11), sources=12)
    seed("no-sources", server=1, sources=0)
    seed("lower-case-read", addr=address("FRESULT", lower=True))
    seed("parameter-not-readable", addr=address("WINDOW"))
    seed("custom-address", addr=address(custom=b"!FSTATUS7"))


def write_seeds():
    def seed(name, addr, type_code, value=0, text=b"", server=0, shown=0, stage=None):
        head = bytes([server, shown])
        head += b"\x00" if stage is None else b"\x01" + i16(stage[0]) + i16(stage[1])
        write("write", name, head + addr + bytes([TYPE_BYTE[type_code]]) + i16(value) + text)
    for n, v in [("WINDOW", 2), ("X", 100), ("Y", 50), ("WIDTH", 320), ("HEIGHT", 240)]:
        seed("road-" + n.lower(), address(n), 1, v)
    seed("road-fposition", address("FPOSITION"), 6, 1, stage=(2, 1))
    seed("window-zero", address("WINDOW"), 1, 0)
    seed("x-negative", address("X"), 1, -10)
    seed("brightness-as-flag", address("BRIGHTNESS"), 6, 5)
    for i, n in enumerate(NAMES[0:15]):
        seed("command-" + n.lower(), address(n), 6, 1, shown=0x3F if i in (10, 11) else 0,
             stage=(2, 2))
    for v in (0, 2, 0x0101, -1):
        seed("fzoom-value-%d" % v, address("FZOOM"), 6, v)
    seed("fhidevideo-not-shown", address("FHIDEVIDEO"), 6, 1, stage=(3, 3))
    seed("fmotion-covers-window-0", address("FMOTION"), 6, 1, shown=1, stage=(2, 2))
    seed("fselect-source-past-count", address("FSELECT"), 6, 1, stage=(1, 40))
    seed("command-window-seven", address("FPOSITION"), 6, 1, stage=(8, 1))
    seed("command-window-minus-one", address("FSTILLVIDEO"), 6, 1, stage=(0, 1))
    seed("fstatus1-written", address("FSTATUS1"), 6, 1)
    seed("fresult-written", address("FRESULT"), 5, 1)
    seed("lower-case-fmode", address("FMODE", lower=True), 6, 1)
    seed("caption", address("CAPTION"), 7, text=b"Gate")
    seed("caption-29", address("CAPTION"), 7, text=b"c" * 29)
    seed("caption-30", address("CAPTION"), 7, text=b"c" * 30)
    seed("caption-as-int16", address("CAPTION"), 1, 3)
    for name, text in [("255-128-0", b"(255,128,0)"), ("0-0-255", b"(0,0,255)"),
                       ("blanks", b"( 10, 20, 30)"), ("two-fields", b"(1,2)"),
                       ("four-fields", b"(1,2,3,4)"), ("red-256", b"(256,0,0)"),
                       ("no-brackets", b"1,2,3"), ("close-before-open", b")(1,2,3"),
                       ("unclosed", b"(1,2,3"), ("component-20", b"(" + b"1" * 20 + b",2,3)"),
                       ("negative", b"(-1,-2,-3)"), ("text-50", b"(1,2,3)" + b" " * 43),
                       ("closing-only-before", b"1)2(3,4")]:
        seed("color-" + name, address("COLOR"), 7, text=text)
    seed("color-as-int16", address("COLOR"), 1, 5)
    shows = [("gate", 0, b"(CAM1,0,0,640,480,1,Gate)"),
             ("takes-regions-0-1", 1, b"(CAM2,320,0,640,480,0,)"),
             ("moves-itself", 1, b"(CAM1,100,100,400,300,0,again)"),
             ("six-fields", 0, b"(CAM1,0,0,640,480,1)"),
             ("eight-fields", 0, b"(CAM1,0,0,640,480,1,Gate,extra)"),
             ("case-differs", 0, b"(cam1,0,0,640,480,1,Gate)"),
             ("whole-wall", 0x3F, b"(CAM3,0,0,1282,481,0,All)"),
             ("width-1281", 0x3F, b"(CAM4,0,0,1281,480,0,)"),
             ("negative-width", 0x3F, b"(CAM5,700,100,-100,-100,0,)"),
             ("off-the-wall", 0x3F, b"(CAM6,30000,30000,30000,30000,0,)"),
             ("before-the-wall", 0x3F, b"(CAM6,-30000,-30000,100,100,0,)"),
             ("number-10-digits", 0, b"(CAM1,1234567890,0,1,1,0,)"),
             ("caption-30", 0, b"(CAM1,0,0,1,1,0," + b"k" * 30 + b")"),
             ("device-caption-50", 0, b"(CAM1,0,0,1,1,0," + b"k" * 29 + b")"),
             ("no-close", 0, b"(CAM1,0,0,640,480,1,Gate"),
             ("close-first", 0, b")(CAM1,0,0,640,480,1,Gate"),
             ("empty-name", 0, b"(,0,0,1,1,0,)")]
    for name, shown, text in shows:
        seed("show-" + name, address("FSHOWWINDOW"), 7, text=text, shown=shown)
    seed("show-seventh-source", address("FSHOWWINDOW"), 7, text=b"(CAM7,0,0,640,480,0,)",
         server=3)
    seed("show-long-name", address("FSHOWWINDOW"), 7, server=4,
         text=b"(CAM3,0,0,640,480,0,x)")
    seed("show-twin-name", address("FSHOWWINDOW"), 7, server=5, text=b"(CAM1,0,0,640,480,0,)")
    seed("show-as-flag", address("FSHOWWINDOW"), 6, 1)
    for name, shown, text in [("shown", 1, b"(CAM1)"), ("not-shown", 0, b"(CAM1)"),
                              ("no-open", 1, b"CAM1)"), ("no-close", 1, b"(CAM1"),
                              ("reversed", 1, b")CAM1("), ("name-20", 1, b"(" + b"n" * 20 + b")")]:
        seed("hide-" + name, address("FHIDESOURCE"), 7, text=text, shown=shown)
    seed("unknown-name", address(custom=b"!NOSUCH"), 6, 1)
    seed("address-too-long", address(custom=b"!" + b"F" * 40), 6, 1)


def session_seeds():
    def op(code, *parts):
        return bytes([code]) + b"".join(parts)
    cold = op(0, b"\x00")
    def stage(name, value):
        return op(4, address(name), bytes([TYPE_BYTE[1]]), i16(value))
    def command(name, value=1):
        return op(4, address(name), bytes([TYPE_BYTE[6]]), i16(value))
    def text(name, t):
        return op(5, address(name), t + b"\n")
    def read(name):
        return op(3, address(name))
    def fault(function, start, value_choice, count=1):
        function_index = 18 if function == "*" else function
        count_bytes = b"\x03" if count < 0 else b"\x00" + bytes([count - 1])
        return op(10, bytes([function_index, start - 1]), count_bytes, bytes([value_choice]))
    warm, close_ports, close_comm = op(1), op(6), op(7)
    road = (cold + stage("WINDOW", 2) + stage("X", 100) + stage("Y", 50) + stage("WIDTH", 320) +
            stage("HEIGHT", 240) + command("FPOSITION") + read("FRESULT"))
    seeds = {
        "typical-write-road": road,
        "show-hide": cold + text("FSHOWWINDOW", b"(CAM1,0,0,640,480,1,Gate)") +
                     read("FSTATUS1") + read("FSHOWWINDOW") + text("FHIDESOURCE", b"(CAM1)"),
        "show-all-then-cover": cold + b"".join(
            text("FSHOWWINDOW", b"(CAM%d,%d,%d,600,400,0,)" % (i + 1, 640 * (i % 3) + 10,
                                                            480 * (i // 3) + 10))
            for i in range(6)) + text("FSHOWWINDOW", b"(CAM1,0,0,1282,481,0,All)"),
        "open-fails-at-third": cold + fault(0, 3, 0) + read("FRESULT"),
        "warm-start-fresh": cold + warm + read("FNUMSOURCES"),
        "warm-start-reopen": cold + read("FRESULT") + warm + read("FRESULT"),
        "warm-start-close-fails": cold + read("FRESULT") + fault(1, 2, 0) + warm + read("FRESULT"),
        "warm-start-open-fails": cold + read("FRESULT") + fault(0, 3, 0) + warm + read("FRESULT"),
        "close-then-write": cold + read("FRESULT") + close_ports + stage("X", 1) + close_comm,
        "close-fails-midway": cold + read("FRESULT") + fault(1, 3, 0) + close_comm +
                              read("FRESULT") + close_ports,
        "cold-start-twice": cold + read("FRESULT") + cold + read("FRESULT"),
        "no-init-file": op(0, b"\x01") + read("FRESULT") + warm + close_ports,
        "unknown-host": op(0, b"\x02") + read("FRESULT") + warm,
        "custom-init": op(0, b"\x03", b"HostName = localhost;") + read("FRESULT"),
        "before-cold-start": read("FRESULT") + stage("X", 1) + warm + close_comm,
        "motion-hide-fails": cold + text("FSHOWWINDOW", b"(CAM1,0,0,640,480,1,a)") +
                             stage("WINDOW", 2) + stage("SOURCE", 2) + command("FSELECT") +
                             fault(7, 1, 0) + command("FMOTION") + read("FSTATUS1"),
        "show-caption-fails": cold + fault(10, 1, 0) + text("FSHOWWINDOW",
                                                             b"(CAM2,700,0,100,100,0,x)"),
        "hide-video-window-7": cold + stage("WINDOW", 8) + command("FHIDEVIDEO") +
                               stage("WINDOW", 0) + command("FSTILLVIDEO"),
        "other-slots": cold + b"".join(op(8, bytes([i])) for i in range(12)),
        "parse-then-write": cold + op(2, address("FMODE", lower=True), b"\x02") +
                            command("FMODE"),
        "numsources-fails": cold + read("FRESULT") + fault(2, 1, 1) + read("FNUMSOURCES"),
        "faults-everywhere": cold + fault("*", 1, 0, count=-1) + read("FRESULT") + op(11) +
                             read("FRESULT"),
        "twelve-sources": bytes([3]) + cold + text("FSHOWWINDOW", b"(CAM9,0,0,640,480,0,)") +
                          stage("SOURCE", 12) + command("FSELECT"),
    }
    for name, body in seeds.items():
        server = b"" if name == "twelve-sources" else b"\x00"
        write("session", name, server + body)


def server_seeds():
    """Frames as a client sends them to the network server (rvsim-proto/README.md)."""
    def frame(kind, tag, body=b""):
        payload = bytes([kind]) + struct.pack("<I", tag) + body
        return struct.pack("<I", len(payload)) + payload
    def text(value):
        return struct.pack("<H", len(value)) + value
    hello = frame(1, 1, b"RVSP" + struct.pack("<HH", 1, 1) + text(b"seed"))
    def call(tag, function, body=b""):
        return frame(2, tag, bytes([function]) + body)
    handle = struct.pack("<i", 1001)
    open_call = call(2, 0, text(b"simulator"))
    seeds = {
        "hello-open-show": hello + open_call + call(3, 4, handle + struct.pack("<i", 103)) +
                           call(4, 8, handle + struct.pack("<hhhh", 10, 20, 320, 240)) +
                           call(5, 10, handle + text(b"Gate")) + call(6, 5, handle) +
                           frame(3, 7, struct.pack("<I", 0)),
        "sources-and-null-outs": hello + open_call + call(3, 2, handle + b"\x00") +
                                 call(4, 3, handle + b"\x05\x01") + call(5, 0, b"\xff\xff"),
        "controls": hello + frame(6, 2, text(b"*") + struct.pack("<iii", 1, -1, 0)) +
                    open_call + frame(9, 3) + frame(10, 4, b"\x00") + frame(4, 5, b"\0\0\0\0") +
                    frame(5, 6) + frame(7, 7),
        "configure-in-two-chunks": hello + frame(8, 2, b"\x00" + text(b"host a\nsource 5 Fo")) +
                                   frame(8, 3, b"\x01" + text(b"ur\n")) +
                                   call(4, 0, text(b"A")),
        "no-hello-first": b"\x00" + frame(9, 1)[0:],
        "greeted-bad-frames": frame(0x42, 1) + call(2, 99) + frame(9, 3, b"\x00") +
                              call(4, 8, handle),
    }
    for name, body in seeds.items():
        greeted = b"\x01" if name == "greeted-bad-frames" else b"\x00"
        write("server", name, body if name == "no-hello-first" else greeted + body)


if __name__ == "__main__":
    parser_seeds()
    init_file_seeds()
    read_seeds()
    write_seeds()
    session_seeds()
    server_seeds()
