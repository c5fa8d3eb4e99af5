// Draws the product logo and the exhibit pictures of the sample question bank.
// Usage: make_pictures OUTPUT_DIR

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kNavy(0x1f, 0x3a, 0x5f);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kGrid(0xc8, 0xcc, 0xd2);
const QColor kPaleBlue(0xe6, 0xee, 0xf7);
const QColor kAccent(0xd9, 0x7a, 0x1e);

QFont sans(int px, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QFont mono(int px, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QImage blank(int w, int h, const QColor& bg = Qt::white)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(bg);
    return img;
}

void title(QPainter& p, int w, const QString& text)
{
    p.setFont(sans(15, true));
    p.setPen(kNavy);
    p.drawText(QRect(0, 8, w, 24), Qt::AlignHCenter | Qt::AlignVCenter, text);
}

// A labelled device box: bold name on top, detail lines below.
void box(QPainter& p, const QRect& r, const QString& name, const QStringList& lines, const QColor& fill = kPaleBlue)
{
    p.setPen(QPen(kNavy, 2));
    p.setBrush(fill);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(kInk);
    p.setFont(sans(13, true));
    p.drawText(QRect(r.x(), r.y() + 4, r.width(), 18), Qt::AlignHCenter, name);
    p.setFont(sans(11));
    int y = r.y() + 24;
    for (const QString& l : lines) {
        p.drawText(QRect(r.x() + 4, y, r.width() - 8, 15), Qt::AlignHCenter, l);
        y += 15;
    }
}

void link(QPainter& p, QPoint a, QPoint b)
{
    p.setPen(QPen(kInk, 2));
    p.drawLine(a, b);
}

// Simple grid table; the first row is the header.
void table(QPainter& p, int x, int y, const std::vector<int>& widths, const std::vector<QStringList>& rows,
           int rowH = 24, const std::function<QColor(int, int)>& cellColor = {})
{
    int totalW = 0;
    for (int w : widths)
        totalW += w;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        int cx = x;
        const int cy = y + r * rowH;
        for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
            const QRect cell(cx, cy, widths[c], rowH);
            p.setPen(Qt::NoPen);
            p.setBrush(r == 0 ? kNavy : (r % 2 ? QColor(Qt::white) : QColor(0xf3, 0xf5, 0xf8)));
            p.drawRect(cell);
            QColor textColor = r == 0 ? QColor(Qt::white) : kInk;
            if (r > 0 && cellColor)
                if (QColor custom = cellColor(r, c); custom.isValid())
                    textColor = custom;
            p.setPen(textColor);
            p.setFont(sans(12, r == 0 || textColor != kInk));
            if (c < rows[r].size())
                p.drawText(cell.adjusted(6, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, rows[r][c]);
            cx += widths[c];
        }
    }
    p.setPen(QPen(kGrid, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(x, y, totalW, rowH * static_cast<int>(rows.size()));
    for (int r = 1; r < static_cast<int>(rows.size()); ++r)
        p.drawLine(x, y + r * rowH, x + totalW, y + r * rowH);
}

// Monospaced text block, e.g. a file or console excerpt.
void textBlock(QPainter& p, const QRect& r, const QStringList& lines, const QColor& bg, const QColor& fg, int px = 12,
               const QStringList& highlight = {}, const QColor& hi = kAccent)
{
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRect(r);
    p.setFont(mono(px));
    const int lineH = px + 5;
    int y = r.y() + 8;
    for (const QString& l : lines) {
        bool marked = false;
        for (const QString& h : highlight)
            if (!h.isEmpty() && l.contains(h))
                marked = true;
        p.setPen(marked ? hi : fg);
        p.drawText(QRect(r.x() + 8, y, r.width() - 16, lineH), Qt::AlignLeft | Qt::AlignVCenter, l);
        y += lineH;
    }
}

QImage logo()
{
    QImage img = blank(221, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(4, 4, 40, 40), 9, 9);
    // Stylised V: two strokes meeting at the bottom, the right one in the accent colour.
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(12, 12), QPointF(19, 12), QPointF(25, 31), QPointF(22, 37)}));
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({QPointF(36, 12), QPointF(29, 12), QPointF(23, 31), QPointF(26, 37)}));
    p.setFont(sans(26, true));
    p.setPen(kNavy);
    p.drawText(QRect(54, 0, 130, 48), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Veldra"));
    const int vw = QFontMetrics(sans(26, true)).horizontalAdvance(QStringLiteral("Veldra "));
    p.setPen(kAccent);
    p.drawText(QRect(54 + vw, 0, 60, 48), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("4"));
    return img;
}

QImage subnetDiagram()
{
    QImage img = blank(600, 380);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    title(p, img.width(), QStringLiteral("Office LAN"));
    const QRect router(220, 40, 160, 56);
    const QRect sw(240, 150, 120, 36);
    link(p, QPoint(300, router.bottom()), QPoint(300, sw.top()));
    box(p, router, QStringLiteral("Router R1"), {QStringLiteral("eth0: 192.168.10.1/26")});
    box(p, sw, QStringLiteral("Switch"), {});

    struct Host {
        const char *name, *ip, *gw;
    };
    const Host hosts[] = {{"Host A", "192.168.10.20", "192.168.10.1"},
                          {"Host B", "192.168.10.45", "192.168.10.1"},
                          {"Host C", "192.168.10.70", "192.168.10.1"},
                          {"Host D", "192.168.10.62", "192.168.10.1"}};
    for (int i = 0; i < 4; ++i) {
        const QRect r(12 + i * 146, 250, 136, 86);
        link(p, QPoint(sw.center().x(), sw.bottom()), QPoint(r.center().x(), r.top()));
        box(p, r, QString::fromLatin1(hosts[i].name),
            {QStringLiteral("IP: ") + QString::fromLatin1(hosts[i].ip), QStringLiteral("Mask: 255.255.255.192"),
             QStringLiteral("GW: ") + QString::fromLatin1(hosts[i].gw)},
            Qt::white);
    }
    p.setFont(sans(11));
    p.setPen(kInk);
    p.drawText(QRect(0, 350, 600, 20), Qt::AlignHCenter, QStringLiteral("All hosts use a static configuration."));
    return img;
}

QImage raidTable()
{
    QImage img = blank(560, 300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    title(p, img.width(), QStringLiteral("Storage manager - array ARR1"));
    p.setFont(sans(12));
    p.setPen(kInk);
    p.drawText(QRect(20, 40, 520, 18), Qt::AlignLeft,
               QStringLiteral("Level: RAID 5      Members: 4      Stripe: 64 KiB"));
    p.drawText(QRect(20, 58, 520, 18), Qt::AlignLeft,
               QStringLiteral("Usable capacity: 6.0 TB      Volume /srv/data: mounted, read/write"));
    const std::vector<QStringList> rows = {
        {QStringLiteral("Disk"), QStringLiteral("Slot"), QStringLiteral("Size"), QStringLiteral("Role"),
         QStringLiteral("State")},
        {QStringLiteral("1"), QStringLiteral("Bay 0"), QStringLiteral("2 TB"), QStringLiteral("data + parity"),
         QStringLiteral("Online")},
        {QStringLiteral("2"), QStringLiteral("Bay 1"), QStringLiteral("2 TB"), QStringLiteral("data + parity"),
         QStringLiteral("Online")},
        {QStringLiteral("3"), QStringLiteral("Bay 2"), QStringLiteral("2 TB"), QStringLiteral("data + parity"),
         QStringLiteral("FAILED")},
        {QStringLiteral("4"), QStringLiteral("Bay 3"), QStringLiteral("2 TB"), QStringLiteral("data + parity"),
         QStringLiteral("Online")},
    };
    table(p, 20, 88, {60, 80, 80, 170, 130}, rows, 26,
          [](int r, int c) { return (r == 3 && c == 4) ? QColor(0xc0, 0x1c, 0x1c) : QColor(); });
    p.setFont(sans(13, true));
    p.setPen(QColor(0xc0, 0x1c, 0x1c));
    p.drawText(QRect(20, 232, 520, 20), Qt::AlignLeft, QStringLiteral("Array state: DEGRADED (1 member missing)"));
    p.setFont(sans(12));
    p.setPen(kInk);
    p.drawText(QRect(20, 254, 520, 20), Qt::AlignLeft,
               QStringLiteral("Hot spare: none      Rebuild: waiting for replacement disk"));
    return img;
}

QImage perfGraph()
{
    QImage img = blank(620, 420);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    title(p, img.width(), QStringLiteral("Performance monitor - SRV-APP2, 09:00 to 10:00"));
    const QRect plot(60, 44, 530, 260);
    p.setPen(QPen(kGrid, 1));
    p.setFont(sans(11));
    for (int v = 0; v <= 100; v += 20) {
        const int y = plot.bottom() - v * plot.height() / 100;
        p.setPen(QPen(kGrid, 1));
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(kInk);
        p.drawText(QRect(10, y - 8, 44, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    for (int m = 0; m <= 60; m += 10) {
        const int x = plot.left() + m * plot.width() / 60;
        p.setPen(QPen(kGrid, 1));
        p.drawLine(x, plot.top(), x, plot.bottom());
        p.setPen(kInk);
        const QString label = m == 60 ? QStringLiteral("10:00") : QStringLiteral("09:%1").arg(m, 2, 10, QChar('0'));
        p.drawText(QRect(x - 25, plot.bottom() + 4, 50, 16), Qt::AlignHCenter, label);
    }
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    // One value per 5 minutes, 0..100 on the common scale.
    struct Series {
        QString label;
        QColor color;
        std::vector<double> v;
    };
    const std::vector<Series> series = {
        {QStringLiteral("% Processor time"),
         QColor(0x1f, 0x77, 0xb4),
         {32, 35, 30, 38, 34, 36, 33, 37, 35, 39, 34, 36, 38}},
        {QStringLiteral("% Memory in use"),
         QColor(0xc0, 0x1c, 0x1c),
         {71, 74, 78, 82, 86, 89, 92, 94, 96, 97, 98, 98, 98}},
        {QStringLiteral("Pages/sec (scale 0-1000)"), kAccent, {4, 5, 8, 14, 25, 38, 52, 63, 72, 80, 84, 86, 88}},
        {QStringLiteral("% Network utilisation"),
         QColor(0x2c, 0xa0, 0x2c),
         {12, 10, 14, 11, 13, 12, 10, 11, 12, 13, 11, 12, 10}},
        {QStringLiteral("Data disk queue length (scale 0-10)"),
         QColor(0x7f, 0x3f, 0xbf),
         {5, 4, 6, 5, 4, 6, 5, 5, 4, 6, 5, 4, 5}},
    };
    for (const Series& s : series) {
        QPainterPath path;
        for (size_t i = 0; i < s.v.size(); ++i) {
            const QPointF pt(plot.left() + i * plot.width() / 12.0, plot.bottom() - s.v[i] * plot.height() / 100.0);
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(s.color, 2.5));
        p.drawPath(path);
    }
    p.setFont(sans(12));
    for (size_t i = 0; i < series.size(); ++i) {
        const int x = 60 + static_cast<int>(i % 2) * 280;
        const int y = 336 + static_cast<int>(i / 2) * 22;
        p.setPen(QPen(series[i].color, 4));
        p.drawLine(x, y + 8, x + 24, y + 8);
        p.setPen(kInk);
        p.drawText(QRect(x + 32, y, 240, 18), Qt::AlignLeft | Qt::AlignVCenter, series[i].label);
    }
    return img;
}

QImage dnsZone()
{
    QImage img = blank(560, 330);
    QPainter p(&img);
    title(p, img.width(), QStringLiteral("Zone file: example.test"));
    const QStringList lines = {
        QStringLiteral("$TTL 3600"),
        QStringLiteral("@      IN SOA  ns1.example.test. hostmaster.example.test. ("),
        QStringLiteral("               2024061802 ; serial"),
        QStringLiteral("               7200 1800 1209600 3600 )"),
        QStringLiteral("@      IN NS   ns1.example.test."),
        QStringLiteral("@      IN NS   ns2.example.test."),
        QStringLiteral("@      IN MX   10 mx1.example.test."),
        QStringLiteral(""),
        QStringLiteral("ns1    IN A    192.0.2.2"),
        QStringLiteral("ns2    IN A    192.0.2.3"),
        QStringLiteral("www    IN A    192.0.2.10"),
        QStringLiteral("mail   IN A    192.0.2.25"),
        QStringLiteral("files  IN A    192.0.2.40"),
        QStringLiteral("ftp    IN CNAME files.example.test."),
    };
    textBlock(p, QRect(16, 40, 528, 276), lines, QColor(0xfa, 0xfa, 0xf5), kInk, 13);
    return img;
}

QImage syslogExcerpt()
{
    QImage img = blank(640, 300);
    QPainter p(&img);
    title(p, img.width(), QStringLiteral("System log - srv-db1"));
    const QStringList lines = {
        QStringLiteral("Jun 18 00:00:01 srv-db1 rotate-logs[4121]: error: cannot open /etc/rotate.d/app:"),
        QStringLiteral("                  Permission denied; rotation skipped"),
        QStringLiteral("Jun 18 01:12:44 srv-db1 kernel: /var: file system usage at 97%"),
        QStringLiteral("Jun 18 02:30:09 srv-db1 kernel: /var: file system usage at 99%"),
        QStringLiteral("Jun 18 03:05:51 srv-db1 dbsvc[880]: could not write to file"),
        QStringLiteral("                  /var/lib/dbsvc/wal/000104A2: No space left on device"),
        QStringLiteral("Jun 18 03:05:51 srv-db1 dbsvc[880]: fatal: shutting down"),
        QStringLiteral("Jun 18 03:05:52 srv-db1 svcmgr[1]: dbsvc.service: exited, status=1"),
        QStringLiteral("Jun 18 07:41:17 srv-db1 svcmgr[1]: starting dbsvc.service"),
        QStringLiteral("Jun 18 07:41:18 srv-db1 dbsvc[5530]: could not create lock file:"),
        QStringLiteral("                  No space left on device"),
        QStringLiteral("Jun 18 07:41:18 srv-db1 kernel: /var: file system usage at 100%"),
        QStringLiteral("Jun 18 07:41:18 srv-db1 svcmgr[1]: dbsvc.service: failed to start"),
    };
    textBlock(p, QRect(12, 40, 616, 246), lines, QColor(0x1b, 0x1e, 0x24), QColor(0xd8, 0xdc, 0xe2), 12,
              {QStringLiteral("No space"), QStringLiteral("100%"), QStringLiteral("rotation skipped")},
              QColor(0xff, 0xb0, 0x4a));
    return img;
}

QImage dmzDiagram()
{
    QImage img = blank(600, 380);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    title(p, img.width(), QStringLiteral("Network layout"));
    // Internet as a cloud of overlapping ellipses.
    p.setPen(QPen(kNavy, 2));
    p.setBrush(QColor(0xf0, 0xf3, 0xf8));
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(QRectF(220, 40, 80, 50));
    cloud.addEllipse(QRectF(260, 30, 90, 60));
    cloud.addEllipse(QRectF(310, 44, 80, 46));
    p.drawPath(cloud.simplified());
    p.setPen(kInk);
    p.setFont(sans(13, true));
    p.drawText(QRect(220, 40, 170, 50), Qt::AlignCenter, QStringLiteral("Internet"));

    const QRect fw(230, 140, 140, 60);
    const QRect admin(20, 270, 190, 74);
    const QRect web(390, 270, 190, 74);
    link(p, QPoint(300, 90), QPoint(300, fw.top()));
    link(p, QPoint(fw.left() + 20, fw.bottom()), QPoint(admin.center().x(), admin.top()));
    link(p, QPoint(fw.right() - 20, fw.bottom()), QPoint(web.center().x(), web.top()));
    box(p, fw, QStringLiteral("Firewall FW1"), {QStringLiteral("rules: see Exhibit 2")}, QColor(0xfd, 0xe9, 0xd4));
    box(p, admin, QStringLiteral("Admin network"), {QStringLiteral("10.0.5.0/24"), QStringLiteral("administrator PCs")},
        Qt::white);
    box(p, web, QStringLiteral("Web server WEB1"),
        {QStringLiteral("172.16.1.10"), QStringLiteral("HTTP 80, HTTPS 443, SSH 22")}, Qt::white);
    p.setFont(sans(11));
    p.setPen(kInk);
    p.drawText(QRect(390, 350, 190, 18), Qt::AlignHCenter, QStringLiteral("Perimeter network 172.16.1.0/24"));
    p.drawText(QRect(20, 350, 190, 18), Qt::AlignHCenter, QStringLiteral("Internal network"));
    return img;
}

QImage firewallRules()
{
    QImage img = blank(600, 260);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    title(p, img.width(), QStringLiteral("FW1 - inbound rules to perimeter network (first match applies)"));
    const std::vector<QStringList> rows = {
        {QStringLiteral("#"), QStringLiteral("Action"), QStringLiteral("Protocol"), QStringLiteral("Source"),
         QStringLiteral("Destination"), QStringLiteral("Port")},
        {QStringLiteral("1"), QStringLiteral("Allow"), QStringLiteral("TCP"), QStringLiteral("any"),
         QStringLiteral("172.16.1.10"), QStringLiteral("80")},
        {QStringLiteral("2"), QStringLiteral("Allow"), QStringLiteral("TCP"), QStringLiteral("any"),
         QStringLiteral("172.16.1.10"), QStringLiteral("443")},
        {QStringLiteral("3"), QStringLiteral("Deny"), QStringLiteral("any"), QStringLiteral("any"),
         QStringLiteral("any"), QStringLiteral("any")},
        {QStringLiteral("4"), QStringLiteral("Allow"), QStringLiteral("TCP"), QStringLiteral("10.0.5.0/24"),
         QStringLiteral("172.16.1.10"), QStringLiteral("22")},
    };
    table(p, 20, 50, {40, 80, 90, 130, 130, 70}, rows, 30,
          [](int r, int c) { return (c == 1 && r == 3) ? QColor(0xc0, 0x1c, 0x1c) : QColor(); });
    p.setFont(sans(12));
    p.setPen(kInk);
    p.drawText(QRect(20, 210, 560, 18), Qt::AlignLeft, QStringLiteral("Rules are evaluated from top to bottom."));
    return img;
}

QImage certificate()
{
    QImage img = blank(500, 340);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kNavy, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRect(10, 10, 480, 320));
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRect(QRect(10, 10, 480, 34));
    p.setPen(Qt::white);
    p.setFont(sans(14, true));
    p.drawText(QRect(20, 10, 460, 34), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Certificate details"));

    const std::vector<std::pair<QString, QString>> fields = {
        {QStringLiteral("Subject"), QStringLiteral("CN=www.example.test, O=Example Trading")},
        {QStringLiteral("Subject alt. names"), QStringLiteral("DNS: www.example.test")},
        {QString(), QStringLiteral("DNS: example.test")},
        {QStringLiteral("Issuer"), QStringLiteral("CN=Example Trust CA G2")},
        {QStringLiteral("Public key"), QStringLiteral("RSA 2048 bits")},
        {QStringLiteral("Signature"), QStringLiteral("SHA-256 with RSA")},
        {QStringLiteral("Key usage"), QStringLiteral("Digital signature, key encipherment")},
        {QStringLiteral("Extended usage"), QStringLiteral("TLS web server authentication")},
    };
    int y = 58;
    for (const auto& [name, value] : fields) {
        p.setFont(sans(12, true));
        p.setPen(kNavy);
        p.drawText(QRect(24, y, 140, 20), Qt::AlignLeft | Qt::AlignVCenter, name);
        p.setFont(sans(12));
        p.setPen(kInk);
        p.drawText(QRect(170, y, 310, 20), Qt::AlignLeft | Qt::AlignVCenter, value);
        y += 26;
    }
    p.setPen(QPen(kGrid, 1));
    p.drawLine(24, y + 4, 476, y + 4);
    p.setFont(sans(12, true));
    p.setPen(QColor(0x1b, 0x7a, 0x2e));
    p.drawText(QRect(24, y + 12, 452, 20), Qt::AlignLeft,
               QStringLiteral("Validity: the certificate is currently valid"));
    p.drawText(QRect(24, y + 32, 452, 20), Qt::AlignLeft, QStringLiteral("Chain: issuer trusted by this computer"));
    return img;
}

QImage dhcpScope()
{
    QImage img = blank(560, 310);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    title(p, img.width(), QStringLiteral("DHCP server - scope properties"));
    const std::vector<QStringList> rows = {
        {QStringLiteral("Setting"), QStringLiteral("Value")},
        {QStringLiteral("Scope"), QStringLiteral("Office LAN 10.1.1.0/24")},
        {QStringLiteral("Address range"), QStringLiteral("10.1.1.100 - 10.1.1.150")},
        {QStringLiteral("Exclusions"), QStringLiteral("none")},
        {QStringLiteral("Lease duration"), QStringLiteral("8 days")},
        {QStringLiteral("Option 3 (Router)"), QStringLiteral("10.1.1.1")},
        {QStringLiteral("Option 6 (DNS servers)"), QStringLiteral("10.1.1.5")},
        {QStringLiteral("Addresses in use"), QStringLiteral("51 of 51 (100%)")},
        {QStringLiteral("Unanswered requests today"), QStringLiteral("23 (no free address)")},
    };
    table(p, 30, 48, {220, 280}, rows, 28,
          [](int r, int c) { return (c == 1 && (r == 7 || r == 8)) ? QColor(0xc0, 0x1c, 0x1c) : QColor(); });
    return img;
}

struct Picture {
    const char* file;
    QImage (*draw)();
};

const Picture kPictures[] = {
    {"logo.png", logo},          {"exh_subnet.png", subnetDiagram},   {"exh_raid.png", raidTable},
    {"exh_perf.png", perfGraph}, {"exh_dns_zone.png", dnsZone},       {"exh_syslog.png", syslogExcerpt},
    {"exh_dmz.png", dmzDiagram}, {"exh_firewall.png", firewallRules}, {"exh_cert.png", certificate},
    {"exh_dhcp.png", dhcpScope},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_DIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir) || !QFileInfo(outDir).isWritable()) {
        std::fprintf(stderr, "make_pictures: cannot write to directory '%s'\n", argv[1]);
        return 1;
    }

    // Text drawing needs a GUI application, but no display is needed to render into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir dir(outDir);
    for (const Picture& pic : kPictures) {
        const QString path = dir.filePath(QString::fromLatin1(pic.file));
        if (!pic.draw().save(path, "PNG")) {
            std::fprintf(stderr, "make_pictures: cannot write '%s'\n", qPrintable(QDir::toNativeSeparators(path)));
            return 1;
        }
    }
    return 0;
}
