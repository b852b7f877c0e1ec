#pragma once
// The field picture I_Field: shows the off-screen field and passes the
// pointer events on.

#include <QWidget>

namespace quillo {

class FieldWidget : public QWidget {
    Q_OBJECT
public:
    explicit FieldWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace quillo
