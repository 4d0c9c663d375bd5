// A panel with the classic two-bevel frame.
#pragma once

#include <QWidget>

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent = nullptr);

    TBevelCut BevelInner = TBevelCut::bvNone;
    TBevelCut BevelOuter = TBevelCut::bvRaised;
    int BevelWidth = 1;
    //! Total width of the frame the bevels draw; children stand inside it.
    int FrameWidth() const;
    void SetBevels(TBevelCut inner, TBevelCut outer, int width = 1);

protected:
    void paintEvent(QPaintEvent *event) override;
};
