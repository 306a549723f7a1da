// An RtfOutput that keeps everything it receives, for looking at what the reader produced.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "richtext/rtf_format.h"

namespace orvan::richtext::testing {

class RecordingOutput final : public RtfOutput {
  public:
    struct Event {
        enum class Kind { Text, Image, Paragraph, Table, Finish } kind;
        std::u16string text;
        RtfCharFormat chars;
        RtfParagraphFormat paragraph;
        RtfTable table;
    };

    void useTables(const RtfTables& tables) override { tables_ = &tables; }
    void addText(std::u16string_view text, const RtfCharFormat& format) override {
        events.push_back({Event::Kind::Text, std::u16string(text), format, {}, {}});
    }
    void addImage(const RtfImage& image, const RtfCharFormat& format) override {
        events.push_back({Event::Kind::Image, u"\uFFFC", format, {}, {}});
        images.push_back(image);
    }
    void endParagraph(const RtfParagraphFormat& format) override {
        events.push_back({Event::Kind::Paragraph, {}, {}, format, {}});
    }
    void addTable(const RtfTable& table) override {
        events.push_back({Event::Kind::Table, {}, {}, {}, table});
    }
    void finish(const RtfParagraphFormat& format) override {
        events.push_back({Event::Kind::Finish, {}, {}, format, {}});
        kept_ = *tables_;  // the reader's own tables go with the reader
    }

    const RtfTables& tables() const { return kept_; }

    /// The first text event holding `text`.
    const Event* run(std::u16string_view text) const {
        for (const Event& event : events)
            if (event.kind == Event::Kind::Text && event.text.find(text) != std::u16string::npos)
                return &event;
        return nullptr;
    }

    std::vector<Event> events;
    std::vector<RtfImage> images;

  private:
    const RtfTables* tables_ = nullptr;
    RtfTables kept_;
};

}  // namespace orvan::richtext::testing
