// The literature and the maintenance sheets: each document's first page and caption, a
// link to the PDF, which the browser shows itself.
const fileUrl = (folder, name) => `${folder}/${encodeURIComponent(name)}`;

export function showDocuments(documents) {
  const lists = { false: 'literatureDocuments', true: 'technicalDocuments' };
  for (let i = 0; i < documents.length; ++i) {
    const d = documents[i];
    const item = document.createElement('li');
    const link = document.createElement('a');
    link.href = fileUrl('documents', d.file);
    link.target = '_blank';
    link.rel = 'noopener';
    link.id = `cmdDocument${i + 1}`;
    const picture = document.createElement('img');
    picture.src = fileUrl('documents', d.firstPage);
    picture.alt = '';
    const caption = document.createElement('span');
    caption.textContent = d.caption;  // blanks as the catalogue writes them; CSS keeps them
    link.append(picture, caption);
    item.append(link);
    document.getElementById(lists[d.technical]).append(item);
  }
}
