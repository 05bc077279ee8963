#pragma once

#include "reading/result_fields.h"
#include "signs/sign_tables.h"
#include "ui/widgets.h"

#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace tivora {

class Platform;
class TabStrip;

// A field of the reading as the window shows it: its caption and its box.
struct ResultFieldView {
    const ResultField* field;
    QLabel* caption;
    QWidget* box;
};

// The reading of the current sign: a fixed panel with the sign's name,
// picture and basic attributes, and eight pages chosen by the tab strip or
// by each page's Next and Back buttons. Page 1 is built with the window,
// the others when first shown.
class frmResult final : public ProgramWindow {
    Q_OBJECT
public:
    frmResult(Platform& platform, const SignInformation& info, QWidget* parent = nullptr);
    // A window with its controls built but no reading yet: load() gives it
    // one, so it can be made while the user is still entering a birth.
    explicit frmResult(Platform& platform, QWidget* parent = nullptr);

    // Shows the reading of info on page 1. Once, before the window is shown.
    void load(const SignInformation& info);
    // What showing would do first, done ahead for a window not yet loaded:
    // styles the controls, lays them out and makes the native window. Only
    // what the reading changes is then left for showing.
    void prepare();

    // Selects tab k and brings page k to the front; k runs from 1 to 8 and
    // any other value is ignored.
    void ShowPage(int k);
    int currentPage() const;

    // The one-line summary of the birth the reading was made from, in a
    // status line along the bottom of the window.
    void setBirthSummary(const QString& summary);

signals:
    // Back: the application shows a fresh main window and unloads this one.
    void backRequested();
    // Save: the application opens the report window modally.
    void saveRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildLeftPanel();
    QWidget* buildTopBanner();
    QWidget* buildPages();
    QWidget* buildBottomBanner();
    void buildFieldPage(QFrame* frame, int page);
    void buildAboutPage(QFrame* frame);
    // Builds and fills page k on its first showing.
    void ensurePage(int k);
    QWidget* buildPageButtons(QWidget* frame, int page);
    void arrangeFocus();
    void loadPanel();
    // Fills the fields built from position from on.
    void loadFields(std::size_t from);
    void renderPictures();
    // The designed size, or more where the controls need it.
    void fitDesignSize();
    void drawAboutIcon();

    Platform& platform_;
    // The reading shown; pages built later fill their fields from it.
    SignInformation info_;
    // info_ in the language in effect when it was loaded: what the window shows.
    SignInformation shown_;
    TabStrip* TS = nullptr;
    QStackedWidget* fraPages = nullptr;
    QLabel* picRashi = nullptr;
    QLabel* picIcon = nullptr;
    QLabel* lblVedicName = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdSave = nullptr;
    QLabel* lblBirthSummary = nullptr;
    std::vector<ResultFieldView> fields_; // in the order they were built
    int pictureIndex_ = 0;
    qreal renderedRatio_ = 0;
    bool screenWatched_ = false;
};

} // namespace tivora
