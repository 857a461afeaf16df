#pragma once
// Spin buttons attached to an edit field. Whenever their position changes, by a click or by the
// program, they write the position into the field as a decimal integer, which runs the field's
// change handler; setting the position they already have does nothing.

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class TUpDown : public QWidget {
    Q_OBJECT

public:
    /// Reads the attached field's text as a whole number, or nothing when it holds none.
    using FieldReader = std::function<std::optional<long long>(const QString&)>;

    explicit TUpDown(QWidget* parent = nullptr);

    /// Attaches the spin buttons to the field (and the Up and Down keys in the field to them).
    void SetAssociate(QLineEdit* field);
    /// How to read a number typed into the field, to step from it; without one the spin buttons
    /// step from their own position.
    void SetFieldReader(FieldReader reader) { reader_ = std::move(reader); }
    QLineEdit* Associate() const { return field_; }
    void SetRange(int min, int max);
    void SetIncrement(int increment);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Increment() const { return increment_; }
    int Position() const { return position_; }
    /// Moves to the position (clamped to the range); writes it into the field when it changed.
    void SetPosition(int position);
    /// Moves to the position (clamped to the range) without writing into the field.
    void SetPositionQuietly(int position);
    /// One step up (+1) or down (−1) from the field's value, as a click on an arrow does.
    void Step(int direction);
    /// Leaves every move to the owner: a step (a click, a key, the wheel) is asked for with
    /// StepRequested, a position given to SetPosition with MoveRequested, and the owner shows
    /// the outcome with SetPositionQuietly and the field's text. Without it the spin buttons
    /// follow their own rule.
    void SetForwarding(bool on) { forwarding_ = on; }
    /// Shows what the owner decided: the position, and the text in the field (written only when
    /// it differs, which runs the field's change handler once more).
    void ShowDecided(int position, const QString& fieldText);

signals:
    void Changed(int position);
    void StepRequested(int direction);
    void MoveRequested(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> field_;
    FieldReader reader_;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    int pressed_ = 0; // +1 upper arrow held, −1 lower arrow held
    bool forwarding_ = false;
    QTimer repeat_;
};
