// Walking and changing a tree: lookups, editing, copying.
#include "XmlFixture.h"

#include <memory>

using namespace Vel;
using VelTest::Compact;
using VelTest::ExpectLinks;
using VelTest::XmlTest;

using XmlLookup = XmlTest;
using XmlEdit = XmlTest;

TEST_F(XmlLookup, FindSearchesDescendantsDepthFirstInDocumentOrder) {
    ASSERT_NE(
        Parse("<cfg><zone id=\"1\">Front<name>Door</name></zone>"
              "<zone id=\"2\"><name>Back</name><area id=\"2\"/></zone><area id=\"1\"/></cfg>"),
        nullptr);
    const _tagXMLNode& cfg = *Root();
    EXPECT_EQ(m_doc.Find("name")->m_sValue, "Door");
    EXPECT_STREQ(cfg.Find("area")->GetAttrValue("id"), "2");
    EXPECT_EQ(Root()->Find("area", "1"), Root()->GetChild(2));
    EXPECT_EQ(cfg.Find("zone", "3"), nullptr);
    EXPECT_EQ(cfg.Find("cfg"), nullptr);
    EXPECT_EQ(m_doc.Find("cfg"), Root());
}

TEST_F(XmlEdit, AppendingMovesAnObjectAndRefusesCycles) {
    _tagXMLNode* root = m_doc.AppendChild("root");
    _tagXMLNode* a = root->AppendChild("a");
    _tagXMLNode* b = root->AppendChild("b");
    _tagXMLNode* x = a->AppendChild("x");
    _tagXMLAttr* attr = a->AppendAttr("k", "v");
    EXPECT_EQ(b->AppendChild(x), x);
    EXPECT_EQ(b->AppendAttr(attr), attr);
    EXPECT_EQ(x->AppendChild(root), nullptr);
    EXPECT_EQ(x->AppendChild(x), nullptr);
    EXPECT_EQ(b->AppendAttr(attr), attr);
    EXPECT_EQ(Compact(*root), "<root><a/><b k=\"v\"><x/></b></root>");
    ExpectLinks(m_doc, &m_doc);
}

TEST_F(XmlEdit, RemoveDeletesAndDetachHandsOver) {
    ASSERT_NE(Parse("<r k=\"1\" j=\"2\"><a/><b/><c/></r>"), nullptr);
    _tagXMLNode& r = *Root();
    EXPECT_TRUE(r.RemoveChild(r.GetChild("a")));
    std::unique_ptr<_tagXMLNode> b(r.DetachChild(r.GetChild("b")));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->m_pParent, nullptr);
    EXPECT_FALSE(r.RemoveChild(b.get()));
    EXPECT_EQ(r.DetachChild(b.get()), nullptr);
    EXPECT_TRUE(r.RemoveAttr(r.GetAttr("k")));
    std::unique_ptr<_tagXMLAttr> j(r.DetachAttr(r.GetAttr("j")));
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->m_pParent, nullptr);
    EXPECT_FALSE(r.RemoveAttr(j.get()));
    EXPECT_EQ(Compact(r), "<r><c/></r>");
    r.Close();
    EXPECT_EQ(Compact(r), "<r/>");
}

TEST_F(XmlEdit, DeletingANodeTakesItOutOfItsParent) {
    ASSERT_NE(Parse("<r><a><x/></a><b/><c/></r>"), nullptr);
    delete Root()->GetChild("b");
    EXPECT_EQ(Compact(m_doc), "<r><a><x/></a><c/></r>");
    delete Root();
    EXPECT_EQ(m_doc.GetChildCount(), 0);
}

TEST_F(XmlEdit, CopyBranchIsDeepAndIndependent) {
    ASSERT_NE(Parse("<r><s a=\"1\">v<c><d>x</d></c><!--k--></s></r>"), nullptr);
    _tagXMLNode* source = Root()->GetChild("s");
    _tagXMLDocument other;
    _tagXMLNode copy;
    copy.CopyBranch(source, &other);
    EXPECT_EQ(Compact(copy), Compact(*source));
    EXPECT_EQ(copy.m_pDocument, &other);
    ExpectLinks(copy, &other);
    copy.Find("d")->m_sValue = "changed";
    EXPECT_EQ(source->Find("d")->m_sValue, "x");
    Root()->AppendChildBranch(source);
    EXPECT_EQ(Compact(*Root()), "<r>" + Compact(*source) + Compact(*source) + "</r>");
    ExpectLinks(m_doc, &m_doc);
}

TEST_F(XmlEdit, CopyingANodeFromInsideItselfIsSafe) {
    ASSERT_NE(Parse("<a x=\"1\"><b y=\"2\"><c/></b></a>"), nullptr);
    Root()->CopyBranch(Root()->GetChild("b"));
    EXPECT_EQ(Compact(*Root()), "<b y=\"2\"><c/></b>");
    EXPECT_EQ(Root()->m_pParent, &m_doc);
    Root()->CopyNode(Root()->GetChild("c"));
    EXPECT_EQ(Compact(*Root()), "<c/>");
    EXPECT_EQ(Root()->m_pParent, &m_doc);
}
