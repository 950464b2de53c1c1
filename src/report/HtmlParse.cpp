#include "CommandText.h"
#include "WorkText.h"

#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/HtmlParse.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>

namespace Vel {

namespace {

constexpr std::size_t kReadBlock = 32768;
constexpr std::size_t kWritePiece = 40960;

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, CloseFile>;

} // namespace

CHtmlParse::CHtmlParse()
    : m_pTriggerLabel(new CDataString(nullptr, "Trigger.Label")),
      m_pTriggerValue(new CDataNumber(nullptr, "Trigger.Value")) {}

CHtmlParse::~CHtmlParse() {
    delete m_pTriggerLabel;
    delete m_pTriggerValue;
}

CHtmlParse* CHtmlParse::CreateObject() {
    return new CHtmlParse;
}

int CHtmlParse::Init() {
    FilePtr file(std::fopen(m_strTemplateFile.c_str(), "rb"));
    if (!file) {
        return 0;
    }
    m_strTemplate.Empty();
    std::string text;
    std::string block(kReadBlock, '\0');
    for (;;) {
        const std::size_t read = std::fread(block.data(), 1, block.size(), file.get());
        if (read == 0) {
            break;
        }
        // Each block counts up to its first zero byte.
        const std::string_view bytes(block.data(), read);
        text.append(bytes.substr(0, bytes.find('\0')));
    }
    if (std::ferror(file.get())) {
        return 0;
    }
    m_strTemplate = CString(std::move(text));
    return 1;
}

int CHtmlParse::Start() {
    if (!m_pDataSource) {
        return 0;
    }
    m_nRecord = 0;
    if (m_pDataSource->IsLeftView() == 0) {
        m_pDataSource->GetNextData(m_nRecord, m_vecData, CString());
    }
    CString report;
    if (!FillReport(report)) {
        return 0;
    }
    m_strReport = std::move(report);
    if (!m_strReportFile.IsEmpty() && !SaveReport(m_strReport)) {
        return 0;
    }
    return 1;
}

CString CHtmlParse::GetReport() {
    return m_strReport;
}

void CHtmlParse::SetStartItem(int record) {
    m_nRecord = record;
    m_bSingleRecord = 1;
}

void CHtmlParse::SetDataForLoop2(std::vector<CDataValidationClient*>& items) {
    m_nLoop2Item = 0;
    m_vecLoop2 = items;
    m_vecData = items.empty() || !items.front() ? std::vector<CDataValidationClient*>()
                                                : items.front()->GetChildList();
}

int CHtmlParse::SaveReport(const CString& report) {
    FilePtr file(std::fopen(m_strReportFile.c_str(), "wb"));
    if (!file) {
        return 0;
    }
    // Pieces of a fixed size, the last one shorter (empty when the text fills the last piece).
    const std::string_view text = report.view();
    std::size_t at = 0;
    for (;;) {
        const std::size_t piece = std::min(kWritePiece, text.size() - at);
        if (std::fwrite(text.data() + at, 1, piece, file.get()) != piece ||
            std::fflush(file.get()) != 0) {
            return 0;
        }
        at += piece;
        if (piece < kWritePiece) {
            break;
        }
    }
    return std::fclose(file.release()) == 0 ? 1 : 0;
}

int CHtmlParse::FillReport(CString& report) {
    using namespace ReportFill;
    CWorkText work(m_strTemplate.str());
    std::string out;
    out.reserve(m_strTemplate.str().size());
    int openLevel = 0;
    SCommand command;
    while (work.NextCommand(command)) {
        out.append(work.TextBefore(command.start));
        // The work text now begins with the command.
        work.MoveTo(command.start);
        const std::string_view text = command.text;
        // Most commands are fields; only a command with a "!" can be anything else.
        const bool plain = text.find('!') == std::string_view::npos;
        const int start = plain                        ? 0
                          : Contains(text, "!Loop1GO") ? 1
                          : Contains(text, "!Loop2GO") ? 2
                                                       : 0;
        const int stop = plain ? 0 : StopNumber(text);
        const CString argument(start != 0 || stop != 0 ? ArgumentOf(text) : std::string_view());
        if (plain) {
            appendField(out, work, text, command.end);
        } else if (start != 0) {
            if (!loopStart(work, start, argument, command.end, openLevel)) {
                return 0;
            }
        } else if (stop != 0 && stop == openLevel) {
            loopEnd(work, argument, command.end, openLevel);
        } else if (text.starts_with("!IF")) {
            condition(work, text, command.end);
        } else if (text.starts_with("!ENDIF")) {
            work.MoveTo(command.end);
        } else {
            appendField(out, work, text, command.end);
        }
    }
    out.append(work.Rest());
    report = CString(std::move(out));
    return 1;
}

void CHtmlParse::appendField(std::string& out, ReportFill::CWorkText& work, std::string_view field,
                             std::size_t commandEnd) {
    CString value;
    out.append(findData(field, value, m_vecData, 0) ? value.view() : work.TextBefore(commandEnd));
    work.MoveTo(commandEnd);
}

bool CHtmlParse::loopStart(ReportFill::CWorkText& work, int number, const CString& argument,
                           std::size_t commandEnd, int& openLevel) {
    bool hasData = false;
    if (number == 1) {
        hasData = m_pDataSource && m_pDataSource->GetNextData(m_nRecord, m_vecData, argument);
    } else {
        CString unused;
        hasData = FindData(argument, unused);
    }
    if (!hasData) {
        return work.SkipBlock(number, commandEnd);
    }
    if (!work.SaveBlock(number, commandEnd)) {
        return false;
    }
    if (number == 1) {
        m_bRepeatedRecord = 0;
    } else {
        m_nLoop2Item = 0;
    }
    openLevel = number;
    work.MoveTo(commandEnd);
    return true;
}

void CHtmlParse::loopEnd(ReportFill::CWorkText& work, const CString& argument,
                         std::size_t commandEnd, int& openLevel) {
    if (openLevel == 1) {
        const bool again = !m_bSingleRecord && m_pDataSource &&
                           m_pDataSource->GetNextData(m_nRecord, m_vecData, argument);
        if (again && work.RepeatBlock(1)) {
            m_bRepeatedRecord = 1;
            return;
        }
        work.MoveTo(commandEnd);
        return;
    }
    ++m_nLoop2Item;
    if (m_nLoop2Item < static_cast<int>(m_vecLoop2.size())) {
        CDataValidationClient* element = m_vecLoop2[static_cast<std::size_t>(m_nLoop2Item)];
        m_vecData = element ? element->GetChildList() : std::vector<CDataValidationClient*>();
        work.RepeatBlock(2);
        return;
    }
    // Back to the items of the record the inner loop ran in.
    if (m_nRecord > INT_MIN) {
        --m_nRecord;
    }
    if (m_pDataSource) {
        m_pDataSource->GetNextData(m_nRecord, m_vecData, argument);
    }
    openLevel = 1;
    work.MoveTo(commandEnd);
}

void CHtmlParse::condition(ReportFill::CWorkText& work, std::string_view command,
                           std::size_t commandEnd) {
    const std::string_view rest = command.substr(3);
    const std::size_t space = rest.find(' ');
    const std::string_view label = rest.substr(0, space);
    const std::string_view test =
        space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    if (!CheckIF(CString(test))) {
        const std::size_t end =
            work.FindThrough(commandEnd, "<!--!ENDIF" + std::string(label) + "-->");
        if (end != std::string::npos) {
            work.MoveTo(end);
            return;
        }
    }
    work.MoveTo(commandEnd);
}

} // namespace Vel
