// Hands bytes to the browser as a downloaded file.

export function saveBytes(bytes, fileName, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  // The download has taken its copy by the time the browser runs timers again.
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}
