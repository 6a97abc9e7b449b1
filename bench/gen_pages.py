#!/usr/bin/env python3
"""Writes a realistic repair manual for the scanner and search benchmarks: N
pages (default 10,000) of Windows-1251 HTML, 10-20 KB each (10,240 to 20,480
bytes), Russian text with English terms, headings, tables of figures, entities,
pictures, links, lists, comments and scripts (plain and inside "<!-- -->"), CR LF
line breaks as the authoring tools wrote them, and the search index file.ind
listing every page with its title. The word PLANTED ("сальник") stands in the
text of exactly 1 % of the pages, once each; the word ABSENT occurs nowhere.
Deterministic: the same arguments give the same files.

usage: gen_pages.py DIR [COUNT]
"""
import os
import random
import sys

RU = """двигатель генератор стартер ремень натяжитель шкив коленчатый вал распределительный
клапан цилиндр поршень кольцо шатун вкладыш прокладка головка блока болт гайка шайба
момент затяжки снятие установка проверка регулировка замена масло фильтр насос охлаждающая
жидкость радиатор термостат патрубок хомут топливо форсунка рампа датчик давления температуры
положения дроссельной заслонки кислорода детонации скорости разъём провод жгут предохранитель
реле блок управления диагностика неисправность сцепление коробка передач привод колесо ступица
подшипник тормозной диск колодка суппорт шланг бачок педаль рулевая рейка наконечник тяга
рычаг подвеска амортизатор пружина стойка опора кузов капот крышка багажника дверь стекло
подъёмник зеркало фара фонарь лампа выключатель панель приборов отопитель вентилятор
кондиционер компрессор ключ съёмник отвёртка щуп домкрат подставка необходимо следует
осторожно внимание запрещается рекомендуется после перед затем отверните снимите установите
затяните проверьте убедитесь отсоедините подсоедините ослабьте поверните нажмите выньте
вставьте очистите смажьте замените запишите новый старый левый правый передний задний
верхний нижний наружный внутренний номинальный допустимый максимальный минимальный""".split()

EN = """engine alternator starter belt tensioner pulley crankshaft camshaft valve cylinder piston
ring gasket bolt nut washer torque removal installation check adjustment oil filter pump
coolant radiator thermostat hose clamp fuel injector sensor pressure temperature throttle
oxygen knock speed connector harness fuse relay control unit ECU OBD diagnostic fault clutch
gearbox drive wheel hub bearing brake disc pad caliper steering rack suspension strut spring
body bonnet door window mirror headlamp bulb switch heater fan compressor""".split()

UNITS = ["Н&middot;м", "мм", "&deg;C", "бар", "кПа", "В", "А", "Ом", "л", "об/мин"]
ENTITIES = ["&nbsp;", "&laquo;", "&raquo;", "&#8212;", "&amp;", "&lt;", "&gt;", "&plusmn;",
            "&deg;", "&copy;", "&times;", "&quot;"]


def words(rng, n):
    out = []
    for w in rng.choices(RU, k=n):
        r = rng.random()
        if r < 0.08:
            out.append(rng.choice(EN))
        elif r < 0.11:
            out.append(rng.choice(ENTITIES))
        elif r < 0.14:
            out.append("%d%s%s" % (rng.randint(1, 250), "&nbsp;", rng.choice(UNITS)))
        else:
            out.append(w)
    return " ".join(out)


def sentence(rng):
    s = words(rng, rng.randint(6, 18))
    return s[0].upper() + s[1:] + rng.choice([".", ".", ".", ":", "!"])


def paragraph(rng):
    parts = []
    for _ in range(rng.randint(2, 6)):
        s = sentence(rng)
        r = rng.random()
        if r < 0.25:
            cut = s.find(" ", len(s) // 2)
            if cut > 0:
                tag = rng.choice(["b", "i", "strong", "em", "font color=\"#CC0000\""])
                end = tag.split()[0]
                s = s[:cut] + " <%s>%s</%s>" % (tag, words(rng, rng.randint(1, 4)), end) + s[cut:]
        elif r < 0.35:
            s += ' <a href="../%03d/page%05d.htm">%s</a>' % (
                rng.randint(0, 99), rng.randint(0, 9999), words(rng, rng.randint(1, 3)))
        parts.append(s)
    return "<p class=\"text\">" + "\r\n".join(parts) + "</p>"


def table(rng):
    rows = ['<table width="100%" border=1 cellspacing=0 cellpadding="3" class=\'figures\'>',
            "<tr bgcolor=#E0E0E0><th>%s</th><th>%s</th><th>%s</th></tr>"
            % (words(rng, 2), words(rng, 1), "Torque, Н&middot;м")]
    for _ in range(rng.randint(4, 14)):
        rows.append("<tr><td align=left>%s</td><td align=\"center\">M%d&times;%s</td>"
                    "<td nowrap>%d&nbsp;&plusmn;&nbsp;%d</td></tr>"
                    % (words(rng, rng.randint(1, 4)), rng.choice([6, 8, 10, 12, 14]),
                       rng.choice(["1,0", "1,25", "1,5"]), rng.randint(5, 200), rng.randint(1, 9)))
    rows.append("</table>")
    return "\r\n".join(rows)


def picture(rng):
    n = rng.randint(1, 5000)
    return ('<div align="center"><a href="$pic_show*../pic/p%05d.jpg"><img src="../pic/p%05d.gif" '
            'width=%d height=%d border=0 alt="%s"></a><br><i>Рис.&nbsp;%d. %s</i></div>'
            % (n, n, rng.randint(200, 600), rng.randint(150, 450), words(rng, 3), n % 40 + 1,
               words(rng, rng.randint(2, 6))))


def listing(rng):
    items = ["<li>%s</li>" % sentence(rng) for _ in range(rng.randint(3, 8))]
    return "<ol type=1>\r\n" + "\r\n".join(items) + "\r\n</ol>"


def script(rng):
    if rng.random() < 0.5:
        return ('<script language="JavaScript">\r\n<!--\r\nfunction sh(id) { var e = document.getElementById(id);'
                '\r\n  if (e && e.style.display != "none") e.style.display = "none"; else e.style.display = "";'
                ' }\r\n// -->\r\n</script>')
    return ('<script type="text/javascript">var page = %d; if (page < 10 && top.frames.length > 1) '
            'top.sync(page);</script>' % rng.randint(0, 9999))


PLANTED = "сальник"
ABSENT = "гидрокорректор"
MIN_SIZE, MAX_SIZE = 10 * 1024, 20 * 1024


def planted_paragraph(rng):
    s = sentence(rng)
    cut = s.find(" ", len(s) // 2)
    return '<p class="text">' + s[:cut] + " " + PLANTED + s[cut:] + "</p>"


def size_of(text):
    return len(text.encode("cp1251"))


def page(rng, index, planted):
    """The page's bytes and its title."""
    target = rng.randint(MIN_SIZE, MAX_SIZE)
    title = sentence(rng)[:-1]
    head = [
        '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">',
        "<html>", "<head>",
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">',
        "<title>%s</title>" % title,
        '<link rel="stylesheet" href="../css/manual.css" type="text/css">',
        "<style type=\"text/css\"><!-- p.text { margin: 4pt 0 } td { font-size: 9pt } --></style>",
        script(rng), "</head>", '<body bgcolor="#FFFFFF" text=#000000 onload="sh(\'n%d\')">' % index,
        "<!-- chapter %d, page %d -->" % (index // 100, index),
        "<h1>%s</h1>" % words(rng, rng.randint(2, 6)),
    ]
    tail = ["<hr noshade size=1>", "<p align=right><font size=1>&copy; Remont</font></p>", "</body>", "</html>", ""]
    body = [planted_paragraph(rng)] if planted else []
    size = sum(size_of(x) + 2 for x in head + body + tail) - 2
    while True:
        r = rng.random()
        if r < 0.50:
            piece = paragraph(rng)
        elif r < 0.65:
            piece = table(rng)
        elif r < 0.75:
            piece = picture(rng)
        elif r < 0.85:
            piece = listing(rng)
        elif r < 0.90:
            piece = "<h2>%s</h2>" % words(rng, rng.randint(2, 5))
        elif r < 0.95:
            piece = "<!-- %s -- %s -->" % (words(rng, 4), words(rng, 3))
        else:
            piece = script(rng)
        grown = size + size_of(piece) + 2
        if grown > MAX_SIZE:
            if size >= MIN_SIZE:
                break
            continue  # too large for the room left: draw another piece
        body.insert(rng.randint(0, len(body)), piece)
        size = grown
        if size >= target:
            break
    data = "\r\n".join(head + body + tail).encode("cp1251")
    assert MIN_SIZE <= len(data) <= MAX_SIZE and (ABSENT.encode("cp1251") not in data)
    return data, title


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(1251)
    planted = set(random.Random(7).sample(range(count), max(1, count // 100)))
    index = []
    for i in range(count):
        name = "page%05d.htm" % i
        data, title = page(rng, i, i in planted)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        index.append("%s#:#%s" % (name, title))
    with open(os.path.join(folder, "file.ind"), "wb") as f:
        f.write("\r\n".join(index).encode("cp1251"))


if __name__ == "__main__":
    main()
