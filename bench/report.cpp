// Report throughput: a table of records × 10 fields (5 texts, 5 numbers) filled from one
// template, in bytes of report per second, next to plain string appends of the same report
// from the same items and two established template libraries (mstch, ctemplate) rendering the
// equivalent template from the same items (their context filled in the timed pass, as the
// engine reads the items in its pass), in the same run. Each runs at 1,000,
// 10,000 and 100,000 records, so the growth shows whether the time is linear.
#include <vel/DataContainerBase.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/HtmlParse.h>
#include <vel/RptDataSource.h>

#include <benchmark/benchmark.h>
#include <ctemplate/template.h>
#include <mstch/mstch.hpp>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace Vel;

constexpr int kFields = 10;
constexpr int kMaxRecords = 100000;

class Row : public CDataContainerBase {
public:
    explicit Row(int number) : CDataContainerBase(nullptr, "Row") {
        SetId(number);
        for (int f = 0; f < kFields / 2; ++f) {
            texts.push_back(std::make_unique<CDataString>(this, CString::Formatted("Row.T%d", f)));
            texts.back()->SetValue(CString::Formatted("Zone %05d-%d", number, f));
            numbers.push_back(
                std::make_unique<CDataNumber>(this, CString::Formatted("Row.N%d", f)));
            numbers.back()->SetValue(number * 10 + f);
        }
    }
    std::vector<std::unique_ptr<CDataString>> texts;
    std::vector<std::unique_ptr<CDataNumber>> numbers;
};

const std::vector<std::unique_ptr<Row>>& Rows() {
    static const std::vector<std::unique_ptr<Row>> rows = [] {
        std::vector<std::unique_ptr<Row>> built;
        for (int r = 0; r < kMaxRecords; ++r) {
            built.push_back(std::make_unique<Row>(r + 1));
        }
        return built;
    }();
    return rows;
}

class RowSource : public CRptDataSource {
public:
    explicit RowSource(int count) : m_nCount(count) {}
    int GetNextData(int& record, std::vector<CDataValidationClient*>& items,
                    CString name) override {
        if (name.IsEmpty() || record >= m_nCount) {
            return 0;
        }
        items = Rows()[static_cast<std::size_t>(record++)]->GetChildListRef();
        return 1;
    }

private:
    int m_nCount;
};

// The same row in each template language: texts and numbers alternate, T0 N0 T1 N1 ...
std::string RowTemplate(const char* open, const char* close, const char* text, const char* number) {
    std::string row = "<tr>";
    for (int f = 0; f < kFields / 2; ++f) {
        row += std::string("<td>") + open + text + std::to_string(f) + close + "</td>";
        row +=
            std::string("<td class=\"n\">") + open + number + std::to_string(f) + close + "</td>";
    }
    return row + "</tr>\n";
}

class Engine : public CHtmlParse {
public:
    void SetTemplate(const std::string& text) { m_strTemplate = text; }
};

void Throughput(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) *
                            static_cast<std::int64_t>(state.iterations()));
    state.SetComplexityN(state.range(0));
}

void BM_ReportEngine(benchmark::State& state) {
    Rows();
    Engine engine;
    engine.SetTemplate("<table>\n<!--!Loop1GO(Rows)-->" +
                       RowTemplate("<!--", "-->", "Row.T", "Row.N") +
                       "<!--!Loop1STOP(Rows)--></table>\n");
    std::size_t bytes = 0;
    for (auto _ : state) {
        RowSource source(static_cast<int>(state.range(0)));
        engine.m_pDataSource = &source;
        engine.Start();
        bytes = static_cast<std::size_t>(engine.GetReport().GetLength());
    }
    Throughput(state, bytes);
}

void BM_PlainAppends(benchmark::State& state) {
    const auto& rows = Rows();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out = "<table>\n";
        for (int r = 0; r < state.range(0); ++r) {
            const Row& row = *rows[static_cast<std::size_t>(r)];
            out += "<tr>";
            for (int f = 0; f < kFields / 2; ++f) {
                out += "<td>";
                out += row.texts[static_cast<std::size_t>(f)]->GetValue().str();
                out += "</td><td class=\"n\">";
                out += row.numbers[static_cast<std::size_t>(f)]->GetValueString().str();
                out += "</td>";
            }
            out += "</tr>\n";
        }
        out += "</table>\n";
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    Throughput(state, bytes);
}

mstch::map MstchContext(int records) {
    const auto& rows = Rows();
    mstch::array list;
    for (int r = 0; r < records; ++r) {
        const Row& row = *rows[static_cast<std::size_t>(r)];
        mstch::map fields;
        for (int f = 0; f < kFields / 2; ++f) {
            const std::size_t i = static_cast<std::size_t>(f);
            fields.emplace("t" + std::to_string(f), row.texts[i]->GetValue().str());
            fields.emplace("n" + std::to_string(f), row.numbers[i]->GetValueString().str());
        }
        list.emplace_back(std::move(fields));
    }
    return mstch::map{{"rows", list}};
}

// From the items, like the engine: the context is built in every pass.
void BM_Mstch(benchmark::State& state) {
    Rows();
    const std::string view =
        "<table>\n{{#rows}}" + RowTemplate("{{{", "}}}", "t", "n") + "{{/rows}}</table>\n";
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = mstch::render(view, MstchContext(static_cast<int>(state.range(0))));
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    Throughput(state, bytes);
}

void CtemplateFill(ctemplate::TemplateDictionary& dictionary, int records) {
    const auto& rows = Rows();
    for (int r = 0; r < records; ++r) {
        const Row& row = *rows[static_cast<std::size_t>(r)];
        ctemplate::TemplateDictionary* fields = dictionary.AddSectionDictionary("ROWS");
        for (int f = 0; f < kFields / 2; ++f) {
            const std::size_t i = static_cast<std::size_t>(f);
            fields->SetValue("T" + std::to_string(f), row.texts[i]->GetValue().str());
            fields->SetValue("N" + std::to_string(f), row.numbers[i]->GetValueString().str());
        }
    }
}

std::string CtemplateKey(int records) {
    const std::string key = "rows" + std::to_string(records);
    ctemplate::StringToTemplateCache(
        key, "<table>\n{{#ROWS}}" + RowTemplate("{{", "}}", "T", "N") + "{{/ROWS}}</table>\n",
        ctemplate::DO_NOT_STRIP);
    return key;
}

// From the items, like the engine: the dictionary is filled in every pass.
void BM_Ctemplate(benchmark::State& state) {
    Rows();
    const std::string key = CtemplateKey(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        ctemplate::TemplateDictionary dictionary("report");
        CtemplateFill(dictionary, static_cast<int>(state.range(0)));
        std::string out;
        ctemplate::ExpandTemplate(key, ctemplate::DO_NOT_STRIP, &dictionary, &out);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    Throughput(state, bytes);
}

// Only the expansion, from a dictionary filled once beforehand: not the same work, shown for
// what the library's renderer alone costs.
void BM_CtemplateExpandOnly(benchmark::State& state) {
    const std::string key = CtemplateKey(static_cast<int>(state.range(0)));
    ctemplate::TemplateDictionary dictionary("report");
    CtemplateFill(dictionary, static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        ctemplate::ExpandTemplate(key, ctemplate::DO_NOT_STRIP, &dictionary, &out);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    Throughput(state, bytes);
}

// Every contender at the same record counts, so the growth can be read side by side.
void Sizes(benchmark::internal::Benchmark* run) {
    run->RangeMultiplier(10)
        ->Range(1000, kMaxRecords)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_ReportEngine)->Apply(Sizes);
BENCHMARK(BM_PlainAppends)->Apply(Sizes);
BENCHMARK(BM_Mstch)->Apply(Sizes);
BENCHMARK(BM_CtemplateExpandOnly)->Apply(Sizes);
BENCHMARK(BM_Ctemplate)->Apply(Sizes);
