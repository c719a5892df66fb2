#!/usr/bin/env python3
"""What docs/gallery_html.py makes of each piece of Markdown the pages use.

    gallery_html_test.py DOCS_FOLDER
"""
import sys
import unittest

sys.path.insert(0, sys.argv.pop(1))
from gallery_html import page_html  # noqa: E402


def body(markdown):
    targets = []
    document = page_html(markdown, targets)
    return document[document.index("<body>") + 7:document.index("</body>")].strip(), targets


class GalleryHtml(unittest.TestCase):
    def test_headings_get_the_anchors_chapter_links_use(self):
        html, _ = body("# Gallery\n\n## plot_kinds: every `kind`\n")
        self.assertIn('<h1 id="gallery">Gallery</h1>', html)
        self.assertIn('<h2 id="plotkinds-every-kind">plot_kinds: every <code>kind</code></h2>',
                      html)

    def test_pictures_and_links_are_noted_and_web_links_and_anchors_are_not(self):
        html, targets = body("![a <b>](images/a.png)\n\nSee [`x.c`](../x.c), [there]"
                             "(https://example.org/y.c) and [Text](plotting.md#text).")
        self.assertIn('<img src="images/a.png" alt="a &lt;b&gt;">', html)
        self.assertIn('<a href="../x.c"><code>x.c</code></a>', html)
        self.assertIn('<a href="https://example.org/y.c">there</a>', html)
        self.assertEqual(targets, ["images/a.png", "../x.c", "plotting.md#text"])

    def test_code_blocks_keep_their_text_escaped_and_are_not_read_as_markdown(self):
        html, targets = body("```c\nif (a < b && *p) f(\"![no](x.png)\");\n```\n")
        self.assertEqual(html, "<pre><code>if (a &lt; b &amp;&amp; *p) "
                         "f(&quot;![no](x.png)&quot;);</code></pre>")
        self.assertEqual(targets, [])

    def test_paragraphs_join_their_lines_and_emphasis_is_marked(self):
        html, _ = body("One *word* and\n**two** words, 2 * 3 * 4.\n\nNext.")
        self.assertEqual(html, "<p>One <em>word</em> and <strong>two</strong> words, "
                         "2 * 3 * 4.</p>\n<p>Next.</p>")

    def test_tables_have_a_head_row_and_body_rows(self):
        html, targets = body("| a | b |\n|---|---|\n| ![p](p.png) | `x` |\n| 1 | 2 |\n")
        self.assertTrue(html.startswith("<table>\n<tr><th>a</th><th>b</th></tr>"), html)
        self.assertIn('<tr><td><img src="p.png" alt="p"></td><td><code>x</code></td></tr>', html)
        self.assertIn("<tr><td>1</td><td>2</td></tr>", html)
        self.assertEqual(targets, ["p.png"])

    def test_lists_take_their_continued_lines(self):
        html, _ = body("- first\n  goes on\n- second\n\n1. one\n2. two\n")
        self.assertEqual(html, "<ul>\n<li>first goes on</li>\n<li>second</li>\n</ul>\n"
                         "<ol>\n<li>one</li>\n<li>two</li>\n</ol>")


if __name__ == "__main__":
    unittest.main()
