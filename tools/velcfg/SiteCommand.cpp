// The command line of velcfg site: one CLI11 sub-command per operation, each with --help.
#include "SiteCommand.h"

#include "Commands.h"
#include "SiteDatabase.h"

#include <vel/DbException.h>

#include <CLI/CLI.hpp>

#include <cstdio>
#include <tuple>

namespace Vel::Velcfg {

namespace {

using Action = int (*)(CSiteDatabase&, const SSiteArgs&);

// A sub-command that runs `action` once parsed; --db is taken after it too.
CLI::App* command(CLI::App& parent, const char* name, const char* what, Action action,
                  Action& chosen) {
    CLI::App* sub = parent.add_subcommand(name, what);
    sub->fallthrough();
    sub->callback([&chosen, action] { chosen = action; });
    return sub;
}

void siteArgument(CLI::App* sub, SSiteArgs& args) {
    sub->add_option("SITE", args.nSite, "the site id (velcfg site list)")->required();
}

void panelOptions(CLI::App* sub, SSiteArgs& args) {
    sub->add_option("--type", args.nType, "panel type (velcfg panels)")->required();
    sub->add_option("--version", args.nVersion, "panel version")->required();
}

void addCommands(CLI::App& app, SSiteArgs& args, Action& chosen) {
    CLI::App* create =
        command(app, "create", "store a new site; prints its id", SiteCreate, chosen);
    panelOptions(create, args);
    create->add_option("--name", args.sName, "the site's text");

    command(app, "list", "list the stored sites", SiteList, chosen);

    CLI::App* show = command(app, "show", "show the items of a site", SiteShow, chosen);
    siteArgument(show, args);
    show->add_option("--key", args.sKeyPrefix, "only items at or below this key");
    show->add_flag("--json", args.bJson, "one JSON document");

    CLI::App* set =
        command(app, "set", "validate and store values; nothing is stored when one is refused",
                SiteSet, chosen);
    siteArgument(set, args);
    set->add_option("VALUES", args.vecValues, "KEY=VALUE ...")->required();

    CLI::App* diff =
        command(app, "diff", "compare a site with another site or a snapshot", SiteDiff, chosen);
    siteArgument(diff, args);
    CLI::Option* other = diff->add_option("OTHER", args.nOther, "the other site");
    CLI::Option* snapshot = diff->add_option("--snapshot", args.nOther, "a snapshot id instead");
    other->excludes(snapshot);
    snapshot->excludes(other);
    diff->add_option("--only", args.sOnly, "left, right or changed");
    diff->add_flag("--json", args.bJson, "one JSON document");
    diff->callback([&chosen, other, snapshot, &args] {
        args.bHasOther = other->count() + snapshot->count() > 0;
        chosen = snapshot->count() > 0 ? SiteDiffSnapshot : SiteDiff;
    });

    CLI::App* snapshots = app.add_subcommand("snapshot", "snapshots of a site");
    snapshots->fallthrough();
    snapshots->require_subcommand(1);
    siteArgument(
        command(*snapshots, "create", "take a snapshot; prints its id", SnapshotCreate, chosen),
        args);
    siteArgument(command(*snapshots, "list", "list the snapshots", SnapshotList, chosen), args);
    const std::tuple<const char*, const char*, Action> withId[] = {
        {"use", "put the snapshot's values back (snapshotting first)", SnapshotUse},
        {"delete", "delete the snapshot", SnapshotDelete}};
    for (const auto& [name, what, action] : withId) {
        CLI::App* sub = command(*snapshots, name, what, action, chosen);
        siteArgument(sub, args);
        sub->add_option("ID", args.nOther, "the snapshot id")->required();
    }

    CLI::App* change =
        command(app, "change-panel", "change the panel type or version (snapshot first, audited)",
                SiteChangePanel, chosen);
    siteArgument(change, args);
    panelOptions(change, args);

    siteArgument(command(app, "audit", "the site's audit trail", SiteAudit, chosen), args);
    siteArgument(
        command(app, "purge", "delete the site, its snapshots and audit trail", SitePurge, chosen),
        args);

    CLI::App* xml = command(app, "export", "the site as an XML document", SiteExport, chosen);
    siteArgument(xml, args);
    xml->add_option("--out", args.sOutFile, "file to write (default: standard output)");

    CLI::App* report = command(app, "report", "an HTML report of the site", SiteReport, chosen);
    siteArgument(report, args);
    report->add_option("--template", args.sTemplate, "report template");
    report->add_option("--out", args.sOutFile, "file to write")->required();
}

// The sub-command the command line went deepest into, for its --help.
const CLI::App& deepest(const CLI::App& app) {
    for (const CLI::App* sub : app.get_subcommands()) {
        return deepest(*sub);
    }
    return app;
}

int run(Action action, SSiteArgs& args, CLanguageTexts& texts) {
    CSiteDatabase db;
    try {
        if (!db.Open(args.sConnection, texts)) {
            return UsageError;
        }
        return action(db, args);
    } catch (const CDbException& error) {
        fail("database error in '" + args.sConnection + "': SQLSTATE " + error.GetSqlState().str() +
             ": " + error.GetMessage().str());
        return UsageError;
    }
}

} // namespace

int RunSite(int argc, char** argv, CLanguageTexts& texts) {
    CLI::App app("Sites kept in a database: --db CONNECTION (ODBC text, or a file path meaning "
                 "SQLite), else $VEL_DB, else vel-sites.db in the working folder.",
                 "velcfg site");
    app.require_subcommand(1);
    SSiteArgs args;
    app.add_option("--db", args.sConnection, "database connection");
    Action chosen = nullptr;
    addCommands(app, args, chosen);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            std::fputs(deepest(app).help().c_str(), stdout);
            return Done;
        }
        fail(std::string("site: ") + error.what() + " (velcfg site --help)");
        return UsageError;
    }
    args.sConnection = CSiteDatabase::ChooseConnection(args.sConnection);
    return run(chosen, args, texts);
}

} // namespace Vel::Velcfg
