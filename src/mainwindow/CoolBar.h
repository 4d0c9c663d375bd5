// The band container across the top of the main window: one bar per band, each band its own row.
#pragma once

#include <QList>
#include <QWidget>

class QVBoxLayout;

class TCoolBand : public QWidget
{
    Q_OBJECT
public:
    TCoolBand(QWidget *control, int minHeight, bool visible, QWidget *parent = nullptr);
    QWidget *Control() const { return m_control; }
    int MinHeight() const { return m_minHeight; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static constexpr int GripWidth = 9;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_control;
    int m_minHeight;
};

/*!
  Sizes itself to its visible bands. A band shows exactly while its control
  does, so hiding a toolbar takes its row away and showing it brings the
  row back in its place.
*/
class TCoolBar : public QWidget
{
    Q_OBJECT
public:
    explicit TCoolBar(QWidget *parent = nullptr);
    TCoolBand *AddBand(QWidget *control, int minHeight, bool visible);
    const QList<TCoolBand *> &Bands() const { return m_bands; }
    TCoolBand *BandOf(const QWidget *control) const;

private:
    QVBoxLayout *m_layout;
    QList<TCoolBand *> m_bands;
};
