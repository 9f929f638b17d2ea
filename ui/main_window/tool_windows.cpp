#include "ui/main_window/tool_windows.h"

#include <QDialog>

#include "ui/main_window/help_window.h"
#include "ui/print/prin.h"
#include "ui/search/design_search_window.h"

void ToolWindows::set(QDialog* dataMake, QDialog* keisuuMake, QDialog* printPage) {
    dataMake_ = dataMake;
    keisuuMake_ = keisuuMake;
    printPage_ = printPage;
}

void ToolWindows::Ensure() {
    if (!make_) return;
    const auto make = std::move(make_);
    make_ = nullptr;
    make();
}

void ToolWindows::ShowDataMake() {
    Ensure();
    if (dataMake_ != nullptr) dataMake_->exec();
}

void ToolWindows::ShowKeisuuMake() {
    Ensure();
    if (keisuuMake_ != nullptr) keisuuMake_->exec();
}

void ToolWindows::ShowPrintPage(const std::function<bool(Tprinform&)>& fill) {
    Ensure();
    auto* page = qobject_cast<Tprinform*>(printPage_);
    if (page == nullptr) return;
    if (fill(*page)) page->exec();
}

void ToolWindows::ShowDesignSearch(const std::function<DesignSearchWindow*()>& make) {
    if (designSearch_ == nullptr) designSearch_ = make();
    designSearch_->show();
    designSearch_->raise();
    designSearch_->activateWindow();
}

void ToolWindows::ShowHelp(const QString& path) {
    if (help_ == nullptr) help_ = new HelpWindow(owner_);
    help_->showPage(path);
}
