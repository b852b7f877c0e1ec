#pragma once
// The hint's marks over the field: the cards to move flash in a frame for a
// moment and stay framed, the place they go to is framed in another colour.
// A child of the field that lets every press through.

#include <QRect>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace quillo {

class HintOverlay : public QWidget {
    Q_OBJECT
public:
    explicit HintOverlay(QWidget* field);

    // Shows the marks; target may be empty (a press on the cards themselves).
    void Show(const std::vector<QRect>& cards, const QRect& target);
    void Clear();
    bool Showing() const { return !Cards_.empty() || !Target_.isNull(); }
    const std::vector<QRect>& Cards() const { return Cards_; }
    QRect Target() const { return Target_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<QRect> Cards_;
    QRect Target_;
    QTimer Flash_;
    int Flashes_ = 0;
};

} // namespace quillo
