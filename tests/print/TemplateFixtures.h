#pragma once
// Print templates as a word processor saves them, for markup our own writer never produces.
#include <QByteArray>

// A template as a word processor saves it after a user's edits: text around a moved placeholder, one
// placeholder split over three runs of different looks, placeholders in table cells.
inline QByteArray EditedTemplateXml() {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:body>
<w:p><w:pPr><w:jc w:val="center"/><w:rPr><w:sz w:val="36"/></w:rPr></w:pPr>
  <w:r><w:rPr><w:b/><w:sz w:val="36"/></w:rPr><w:t>{Review</w:t></w:r>
  <w:proofErr w:type="spellStart"/>
  <w:r><w:rPr><w:i/></w:rPr><w:t>Project</w:t></w:r>
  <w:r><w:t xml:space="preserve">Name} </w:t></w:r>
  <w:r><w:rPr><w:color w:val="FF0000"/></w:rPr><w:t>专家名单</w:t></w:r></w:p>
<w:p><w:r><w:t xml:space="preserve">{ReviewTime} 在 </w:t></w:r><w:ins w:id="1" w:author="u"><w:r><w:t>{ReviewPlace}</w:t></w:r></w:ins></w:p>
<w:tbl><w:tblPr/><w:tr>
  <w:tc><w:p><w:r><w:t>地点</w:t></w:r></w:p></w:tc>
  <w:tc><w:p><w:r><w:t>{Review</w:t></w:r><w:r><w:t>Place}</w:t></w:r></w:p></w:tc></w:tr>
  <w:tr><w:tc><w:p><w:r><w:t>{ResultTable}</w:t></w:r></w:p></w:tc><w:tc><w:p/></w:tc></w:tr></w:tbl>
<w:p><w:r><w:t>打印于{PrintTime}</w:t></w:r><w:r><w:delText>{RecordSource}</w:delText></w:r></w:p>
<w:sectPr/></w:body></w:document>)";
}

// The result table's placeholder after some text of its paragraph.
inline QByteArray InlineTableTemplateXml() {
    return R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>
<w:p><w:r><w:t>名单：{ResultTable}</w:t></w:r></w:p></w:body></w:document>)";
}
