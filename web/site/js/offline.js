// Offline use: the service worker (sw.js) keeps the page, its scripts and the generator, so that
// the page opens and generates without a network after the first visit, and installs as an app.
// A new version is fetched on a later visit; once it has taken over, a notice offers to reload.

export function startOffline(messages) {
  if (!('serviceWorker' in navigator) || !window.isSecureContext) return Promise.resolve(null);
  const hadController = navigator.serviceWorker.controller !== null;
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    // The first visit's worker taking over changes nothing on screen.
    if (!hadController) return;
    const notice = messages.show('info', 'A new version of Delvora is ready.', { group: 'update', replace: true });
    const reload = document.createElement('button');
    reload.type = 'button';
    reload.className = 'notice-action';
    reload.textContent = 'Reload';
    reload.addEventListener('click', () => location.reload());
    notice.querySelector('.notice-text').after(reload);
  });
  return navigator.serviceWorker.register('sw.js').catch((error) => {
    console.warn('Delvora: offline use is not available:', error);
    return null;
  });
}
