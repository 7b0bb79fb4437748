#pragma once

#include <QPixmap>
#include <QWidget>

namespace suite::browser {

// A surface that shows one picture from its upper-left corner, cut to its own size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace suite::browser
