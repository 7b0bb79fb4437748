// A window of known content for the tests on a Wayland session, run as a program of its own
// (QT_QPA_PLATFORM=wayland for a native window, xcb for an XWayland one):
//   WaylandTestWindow colour RRGGBB   a window filled with the colour
//   WaylandTestWindow text            a text field that has the focus; each change of its
//                                     text is written to standard output as one line
// "shown" on standard output comes a moment after the window was shown; the tests still wait
// for what they look for (its pixels, its text).
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class ColourWindow : public QWidget {
public:
    explicit ColourWindow(QColor colour)
        : m_colour(colour)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

void say(const QString& line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    std::unique_ptr<QWidget> window;
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("colour")) {
        window = std::make_unique<ColourWindow>(QColor(u'#' + arguments.at(2)));
    } else if (arguments.size() == 2 && arguments.at(1) == QLatin1String("text")) {
        auto* field = new QLineEdit;
        QObject::connect(field, &QLineEdit::textChanged, field, say);
        window.reset(field);
    } else {
        std::fputs("Aufruf: WaylandTestWindow colour RRGGBB | text\n", stderr);
        return 2;
    }
    window->setWindowTitle(QStringLiteral("WaylandTestWindow"));
    window->show();
    window->activateWindow();
    // Painted once the event loop has handled the first expose.
    QTimer::singleShot(300, [] { say(QStringLiteral("shown")); });
    return app.exec();
}
