#pragma once
// The microscope panel: the field picture with the droplets' markers over it, the injection
// button, the scroll bars with their readouts, and what assistive technology is told of the view.
// It draws from the session and passes on a click on the field and the keys that choose a
// droplet; it decides nothing itself.

#include "ui/layer/Layout.h"

#include <QAccessible>
#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

namespace Lab {
class Session;
}
class DropMarker;
class MarkerLayer;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class TImage;

class MicroscopeView final : public QObject {
    Q_OBJECT

public:
    MicroscopeView(QWidget* client, const ControlSet& controls, const Lab::Session& session);
    ~MicroscopeView() override;

    TImage* Image3;
    QScrollBar* ScrollBar1;
    QScrollBar* ScrollBar2;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* BitBtn1;

    /// Makes the droplets' markers, hidden, each the Marker of its droplet in the model.
    void CreateMarkers();
    /// The markers where the session last took the droplets, the followed one ringed.
    void DrawMarkers();
    /// The scroll bars' positions and their readouts.
    void DrawReadouts();
    /// Brings the description for assistive technology up to date; also once a second while
    /// assistive technology listens.
    void Describe();
    QString DescriptionShown() const { return description_; }
    /// The names assistive technology gives the panel's controls, in the catalogue's language.
    void ApplyNames();

signals:
    /// The left button was pressed on the field this far from the view centre, view pixels.
    void Clicked(QPoint offset);
    /// A key that chooses a droplet, or lets it go, was pressed on the focused field (its name
    /// as the key tables name it).
    void KeyPressed(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Runs the description's timer while assistive technology is active.
    class DescriptionSwitch final : public QAccessible::ActivationObserver {
    public:
        explicit DescriptionSwitch(QTimer* timer);
        ~DescriptionSwitch() override;
        DescriptionSwitch(const DescriptionSwitch&) = delete;
        DescriptionSwitch& operator=(const DescriptionSwitch&) = delete;
        void accessibilityActiveChanged(bool active) override;

    private:
        QTimer* timer_;
    };

    QPoint Centre() const;

    QWidget* client_;
    const Lab::Session& session_;
    std::unique_ptr<MarkerLayer> markers_;
    QString description_; ///< what assistive technology was last told the view shows
    QTimer* describeTimer_;
    std::unique_ptr<DescriptionSwitch> describeSwitch_;
};
