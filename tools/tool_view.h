#pragma once
// The view quillo-tool gives the engine: a window of a chosen size on a
// chosen screen, remembering the caption and labels it was asked to show.

#include <map>
#include <optional>
#include <string>

#include "engine/table_view.h"

namespace quillo {

class ToolView : public TableView {
public:
    ScreenSize ScreenArea{1920, 1080};
    int ToolBar = 32;
    int FieldWidth = 792;
    int FieldHeight = 526;
    // A maximized window shows a field of exactly FieldWidth x FieldHeight.
    bool Maximized = false;

    std::string Caption;
    std::map<StatusLabel, std::optional<std::string>> Labels;

    bool IsMaximized() const override { return Maximized; }
    int MaximizedClientWidth() const override { return FieldWidth; }
    int MaximizedClientHeight() const override { return FieldHeight + ToolBar; }
    ScreenSize Screen() const override { return ScreenArea; }
    int ToolBarHeight() const override { return ToolBar; }
    int NormalFieldWidth() const override { return FieldWidth; }
    int NormalFieldHeight() const override { return FieldHeight; }
    void SetCaption(const std::string& text) override { Caption = text; }
    void SetLabel(StatusLabel which, const std::optional<std::string>& text) override { Labels[which] = text; }

    std::optional<std::string> Label(StatusLabel which) const
    {
        auto it = Labels.find(which);
        return it == Labels.end() ? std::nullopt : it->second;
    }
};

}  // namespace quillo
